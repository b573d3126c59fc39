// The exercise's one window on the Win32 API, built from its description.
// It owns every control and the exercise, routes the controls' clicks to the
// exercise's handlers, and hands every other message to the part of the
// window whose job it is (see the members below).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "answer_list.h"
#include "category_marks.h"
#include "dialog_navigation.h"
#include "form_colours.h"
#include "form_controls.h"
#include "form_layout.h"
#include "group_box.h"
#include "ordering_exercise.h"
#include "planet_group.h"
#include "system_functions.h"
#include "win32_exercise_controls.h"

namespace veltara {

class MainForm {
public:
    // The DPI functions, the high-contrast query and the class registration
    // are found through `resolve`. Throws where the window cannot be built.
    explicit MainForm(FunctionResolver resolve = &resolveSystemFunction);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    HWND window() const { return window_; }
    // The control of an array element; null where the window has none.
    HWND control(ControlArray array, std::int16_t element) const {
        return controls_.find(array, element);
    }
    // The reference list and the quotation, which are no windows.
    const HiddenControls& hidden() const { return exerciseControls_.hidden(); }

private:
    // What is built once the window exists, each serving its own controls.
    struct Parts {
        Parts(HWND form, const FormControls& controls, const FormColours& colours,
              const FormLayout& layout);
        PlanetGroup planets;
        AnswerList answers;
        GroupBoxFace frame;
        CategoryMarks marks;
        DialogNavigation navigation;
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onDrawItem(const DRAWITEMSTRUCT& item) const;
    void eraseBackground(HDC dc) const;
    // Reads the desktop's colours anew and draws everything in them.
    void followDesktopColours();

    HWND window_ = nullptr;
    FormColours colours_;
    FormLayout layout_;
    FormControls controls_;
    std::unique_ptr<Parts> parts_;
    Win32ExerciseControls exerciseControls_{controls_.exerciseControls()};
    OrderingExercise exercise_{exerciseControls_};
};

// The window, built and shown; where it cannot be built, the program ends
// with its report of the error and a failure status.
std::unique_ptr<MainForm> showMainFormOrExit(int show,
                                             FunctionResolver resolve = &resolveSystemFunction);

}  // namespace veltara
