#include "answer_list.h"

#include <algorithm>

#include "control_names.h"
#include "list_selection.h"

namespace veltara {

void AnswerList::attach(dom::Element list, int pagePixels) {
    list_ = list;
    pageItems_ = std::max(1, pagePixels / kAnswerItemPixels);
}

std::string AnswerList::itemId(std::int16_t position) const {
    return controlName(ControlArray::List1, 0) + "_item" + std::to_string(position);
}

std::string AnswerList::item(std::int16_t position) const {
    if (position < 0 || position >= count()) {
        return {};
    }
    return items_[static_cast<std::size_t>(position)];
}

void AnswerList::append(const std::string& item) {
    const auto position = count();
    items_.push_back(item);
    const dom::Element shown = dom::create("div", list_, itemId(position));
    dom::setAttribute(shown, "role", "option");
    dom::setAttribute(shown, "aria-selected", "false");
    dom::setText(shown, item);
    shown_.push_back(shown);
    if (mark_ < 0) {
        showMark(0);
    }
}

void AnswerList::remove(std::int16_t position) {
    if (position < 0 || position >= count()) {
        return;
    }
    const std::int16_t selectedAfter = selectionAfterRemoval(selection_, position);
    showSelection(-1);
    // The later names move up one place; the last place goes.
    items_.erase(items_.begin() + position);
    for (auto later = position; later < count(); ++later) {
        dom::setText(shown_[static_cast<std::size_t>(later)], item(later));
    }
    dom::destroy(shown_.back());
    shown_.pop_back();
    showSelection(selectedAfter);
    showMark(std::min(mark_, static_cast<std::int16_t>(count() - 1)));
}

void AnswerList::removeAll() {
    for (const dom::Element shown : shown_) {
        dom::destroy(shown);
    }
    shown_.clear();
    items_.clear();
    selection_ = -1;
    showMark(-1);
}

void AnswerList::clearSelection() { showSelection(-1); }

bool AnswerList::select(std::int16_t position) {
    if (position < 0 || position >= count()) {
        return false;
    }
    showMark(position);
    if (position == selection_) {
        return false;
    }
    showSelection(position);
    return true;
}

std::optional<int> AnswerList::markTarget(Key key) const {
    // A page moves by one less than a page's names, which keeps one in view.
    const int page = std::max(1, pageItems_ - 1);
    switch (key) {
    case Key::Up:
        return mark_ - 1;
    case Key::Down:
        return mark_ + 1;
    case Key::Home:
        return 0;
    case Key::End:
        return count() - 1;
    case Key::PageUp:
        return mark_ - page;
    case Key::PageDown:
        return mark_ + page;
    default:
        return std::nullopt;
    }
}

bool AnswerList::moveMark(Key key) {
    const std::optional<int> target = markTarget(key);
    if (!target) {
        return false;
    }
    if (count() > 0) {
        showMark(static_cast<std::int16_t>(std::clamp(*target, 0, count() - 1)));
    }
    return true;
}

void AnswerList::showMark(std::int16_t position) {
    if (mark_ >= 0 && mark_ < count() && mark_ != position) {
        dom::removeAttribute(shown_[static_cast<std::size_t>(mark_)], "class");
    }
    mark_ = position;
    if (mark_ < 0) {
        dom::removeAttribute(list_, "aria-activedescendant");
        return;
    }
    const dom::Element shown = shown_[static_cast<std::size_t>(mark_)];
    dom::setAttribute(shown, "class", "marked");
    dom::setAttribute(list_, "aria-activedescendant", itemId(mark_));
    dom::reveal(list_, shown);
}

void AnswerList::showSelection(std::int16_t position) {
    if (selection_ >= 0 && selection_ < count()) {
        dom::setAttribute(shown_[static_cast<std::size_t>(selection_)], "aria-selected", "false");
    }
    selection_ = position;
    if (selection_ >= 0) {
        dom::setAttribute(shown_[static_cast<std::size_t>(selection_)], "aria-selected", "true");
    }
}

}  // namespace veltara
