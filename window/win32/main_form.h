// The exercise's one window on the Win32 API, built from its description.
// It owns every control and the exercise, and forwards the controls'
// notifications to the exercise's handlers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "control_colours.h"
#include "main_form_description.h"
#include "ordering_exercise.h"
#include "planet_arrow_keys.h"
#include "system_functions.h"
#include "win32_exercise_controls.h"
#include "window_dpi.h"

namespace veltara {

class MainForm {
public:
    // The DPI functions and the high-contrast query are found through
    // `resolve`.
    explicit MainForm(FunctionResolver resolve = &resolveSystemFunction);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    HWND window() const { return window_; }
    // The control of an array element; null where the window has none.
    HWND control(ControlArray array, std::int16_t element) const;
    // The reference list and the quotation, which are no windows.
    const HiddenControls& hidden() const { return exerciseControls_.hidden(); }

private:
    struct BuiltControl {
        const ControlDescription* description;
        HWND window;
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK frameProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR id, DWORD_PTR form);
    static LRESULT CALLBACK messageProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR form);
    static LRESULT CALLBACK planetProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR form);
    static LRESULT CALLBACK labelProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR id, DWORD_PTR form);
    static LRESULT CALLBACK answerListProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR id, DWORD_PTR form);

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void applyDpi(UINT dpi);
    void onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColour(UINT message, HDC dc, HWND control);
    // Reads the desktop's colours and whether high contrast is on, and
    // draws everything anew in them.
    void followDesktopColours();
    ControlColours coloursOf(const ControlDescription& control) const;
    void drawCategoryMark(HWND control) const;
    void drawClearButton(const DRAWITEMSTRUCT& item);
    void onPlanetClicked(std::int16_t element);
    void movePlanetFocus(HWND from, ArrowKey key);
    const BuiltControl* find(HWND window) const;
    HBRUSH brush(Rgb colour) const;
    // Runs one handler; an error from a control operation ends the program.
    void report(void (OrderingExercise::*handler)(std::int16_t), std::int16_t element);

    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;
    // The planet whose focus is arriving: its click notice then is no press.
    HWND planetTakingFocus_ = nullptr;
    HFONT font_ = nullptr;
    WindowDpi dpi_;
    UINT currentDpi_ = USER_DEFAULT_SCREEN_DPI;
    using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT);
    SystemParametersInfoFunction systemParametersInfo_;
    DesktopColours desktop_ = kLightDesktop;
    bool highContrast_ = false;
    std::vector<BuiltControl> built_;
    mutable std::map<std::uint32_t, HBRUSH> brushes_;
    Win32Controls controls_;
    Win32ExerciseControls exerciseControls_{controls_};
    OrderingExercise exercise_{exerciseControls_};
};

}  // namespace veltara
