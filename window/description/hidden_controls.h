// The window's two hidden controls, the reference list and the quotation.
// They are never shown, so no window layer builds them as controls of its
// toolkit: each keeps them as this plain data, which no accessibility
// interface, tree walk or hit test can reach.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "main_form_description.h"

namespace veltara {

class HiddenControls {
public:
    explicit HiddenControls(const WindowDescription& form);

    // The reference list's item at a position; any position that holds no
    // item, -1 included, reads as the empty text.
    std::string referenceItem(std::int16_t position) const;
    const std::vector<std::string>& referenceItems() const { return reference_; }
    // Held as the description gives it, with CR LF line breaks.
    const std::string& quotation() const { return quotation_; }

private:
    std::vector<std::string> reference_;
    std::string quotation_;
};

}  // namespace veltara
