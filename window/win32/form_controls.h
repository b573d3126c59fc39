// The window's controls, built from the description: which Windows class
// and styles each kind of control takes, and the order they stand in, which
// is the dialog manager's tab order and the order screen readers read.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "main_form_description.h"
#include "win32_exercise_controls.h"

namespace veltara {

struct BuiltControl {
    const ControlDescription* description;
    HWND window;
};

class FormControls {
public:
    // Creates every shown control as a child of the form, with no place or
    // size yet: those depend on the DPI (FormLayout).
    void create(HWND form);

    const std::vector<BuiltControl>& all() const { return built_; }
    // Null where the window has no such control.
    const BuiltControl* find(HWND control) const;
    HWND find(ControlArray array, std::int16_t element) const;
    const Win32Controls& exerciseControls() const { return exercise_; }
    HWND frame() const { return frame_; }

private:
    std::vector<BuiltControl> built_;
    Win32Controls exercise_;
    HWND frame_ = nullptr;
};

}  // namespace veltara
