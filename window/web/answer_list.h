// The answer list as a listbox of the page: its items, its selection and
// the keyboard's focus mark, which is apart from the selection, so that
// the arrow keys move the mark and take nothing back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dom.h"
#include "page_keys.h"

namespace veltara {

constexpr int kAnswerItemPixels = 18;  // an item's height

class AnswerList {
public:
    // list: the listbox, empty; pagePixels: the height its items show in.
    void attach(dom::Element list, int pagePixels);

    std::string item(std::int16_t position) const;
    void append(const std::string& item);
    void remove(std::int16_t position);
    void removeAll();
    std::int16_t selection() const { return selection_; }
    void clearSelection();

    // The pupil's choice of the item at a position, by the mouse or by
    // Space on the mark: the mark goes there too. False where the
    // selection stays as it was.
    bool select(std::int16_t position);
    std::int16_t mark() const { return mark_; }
    // Moves the mark for an arrow, Home, End or a page key; false for any
    // other key.
    bool moveMark(Key key);

private:
    std::int16_t count() const { return static_cast<std::int16_t>(items_.size()); }
    std::string itemId(std::int16_t position) const;
    std::optional<int> markTarget(Key key) const;
    void showMark(std::int16_t position);
    void showSelection(std::int16_t position);

    dom::Element list_ = dom::kNoElement;
    int pageItems_ = 1;
    std::vector<std::string> items_;
    std::vector<dom::Element> shown_;
    std::int16_t selection_ = -1;
    std::int16_t mark_ = -1;
};

}  // namespace veltara
