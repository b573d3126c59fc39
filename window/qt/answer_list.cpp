#include "answer_list.h"

#include <QKeyEvent>

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

}  // namespace veltara
