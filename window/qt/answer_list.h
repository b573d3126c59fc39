// The answer list. The keyboard moves its focus mark without taking
// anything back: the navigation keys (arrows, Home, End, Page Up, Page
// Down, a typed letter) move the current item only, and Space selects the
// item under the mark. A mouse press selects the item under it; dragging
// selects nothing more. Every change of the selection is a click on the
// list, so a selection is a take-back. A double-click takes back one name:
// its second press selects nothing.
#pragma once

#include <QListWidget>

namespace veltara {

class AnswerList final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
};

}  // namespace veltara
