// A shown main window under the real Win32 input path: mouse clicks and key
// presses are sent with SendInput at the controls' places on the screen, and
// everything is read back with the controls' own messages.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"
#include "main_form.h"

namespace veltara::testing {

class Win32WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    MainForm& form() { return *form_; }
    HWND control(ControlArray array, std::int16_t element = 0) const;
    HWND planet(int element) const { return control(ControlArray::Option1, static_cast<std::int16_t>(element)); }
    HWND answerList() const { return control(ControlArray::List1, 0); }
    HWND referenceList() const { return control(ControlArray::List1, 1); }
    HWND messageArea() const { return control(ControlArray::Text1, 0); }
    HWND clearButton() const { return control(ControlArray::Command1, 0); }

    // Handles every queued message as the program's own loop does.
    void pump();

    // A left click at a point of a control, its centre unless given.
    void click(HWND target, POINT at = {-1, -1});
    void clickAnswer(int position);
    void pressKey(WORD key, bool shift = false);
    void choose(const std::vector<int>& elements);

    std::vector<std::string> answers() const;
    std::string caption(int element) const;
    std::string message() const;
    bool checked(int element) const;
    // A control's place in its parent's client area, in pixels.
    RECT placeOf(HWND target) const;
    COLORREF pixel(HWND target, int x, int y) const;

    static std::vector<std::string> namesOf(const std::vector<int>& elements);

private:
    std::unique_ptr<MainForm> form_;
};

}  // namespace veltara::testing
