#include "answer_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace veltara {

QItemSelectionModel::SelectionFlags AnswerList::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    if (event == nullptr) {
        return QItemSelectionModel::NoUpdate;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return QListWidget::selectionCommand(index, event);
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Space || key == Qt::Key_Select
                   ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                   : QItemSelectionModel::NoUpdate;
    }
    default:
        return QItemSelectionModel::NoUpdate;
    }
}

// The first click of a double-click has taken its name back and the names
// below it have moved up; the view would take the second press for a press
// on the name now under the pointer and take that back too.
void AnswerList::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

// The view scrolls as it would (its hover, editor and drag bookkeeping are
// kept there), and then the names are drawn anew. The view moves the drawn
// pixels and, with them, the part of the list still waiting to be drawn;
// when a take-back scrolls the list as its scroll bar goes, that part can
// end up a row below the list, and the white drawn there stays over the
// window's background (seen on X11 with Qt 6.4). The list is small: drawing
// it whole costs nothing a pupil notices.
void AnswerList::scrollContentsBy(int dx, int dy) {
    QListWidget::scrollContentsBy(dx, dy);
    viewport()->update();
}

}  // namespace veltara
