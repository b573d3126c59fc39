// A shown main window under the real Win32 input path: mouse clicks and key
// presses are sent with SendInput at the controls' places on the screen, and
// everything is read back with the controls' own messages.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"
#include "main_form.h"
#include "pupil_window.h"

namespace veltara::testing {

// The functions that forms built with resolveReplaced find in place of the
// system's, by name: a null one is missing, as on an older Windows.
void replaceFunctions(std::map<std::string, FARPROC, std::less<>> functions);
FARPROC resolveReplaced(const wchar_t* library, const char* name);
template <typename Function>
FARPROC asFunction(Function* function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

// Twips become pixels at the window's DPI: 15 to a pixel at 96 DPI.
inline int pixelsAt(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

class Win32WindowTest : public ::testing::Test, public PupilWindow {
protected:
    void SetUp() override;
    void TearDown() override;

    MainForm& form() { return *form_; }
    HWND control(ControlArray array, std::int16_t element = 0) const;
    HWND planet(int element) const { return control(ControlArray::Option1, static_cast<std::int16_t>(element)); }
    HWND answerList() const { return control(ControlArray::List1, 0); }
    HWND messageArea() const { return control(ControlArray::Text1, 0); }
    HWND clearButton() const { return control(ControlArray::Command1, 0); }

    // Handles every queued message as the program's own loop does.
    void pump();

    // Left clicks, one unless told, at a point of a control, its centre unless given.
    void click(HWND target, POINT at = {-1, -1}, std::int16_t clicks = 1);
    void clickPlanet(int element) override { click(planet(element)); }
    void clickAnswer(int position) override { click(answerList(), answerRow(position)); }
    void doubleClickAnswer(int position) override { click(answerList(), answerRow(position), 2); }
    void clickClear() override { click(clearButton()); }
    void clickInPicture(int x, int y, std::int16_t clicks) override { click(form().window(), {x, y}, clicks); }
    void pressKey(WORD key, bool shift = false);
    void press(Key key) override;

    std::vector<std::string> answers() override;
    bool answerSelected() override;
    int answerMark() override;
    std::string focused() override;
    std::string caption(int element) override;
    bool planetSelected(int element) override;
    std::string message() override;
    // The hidden controls are no windows: the window keeps them as data.
    std::vector<std::string> referenceItems() override { return form_->hidden().referenceItems(); }
    std::string quotation() override { return form_->hidden().quotation(); }
    // The screen's DPI, as the Wine prefix sets it.
    static UINT screenDpi();

    Picture picture() override;
    // The screen's pixels as they stand, without drawing the window anew.
    Picture shownPicture();
    PictureBox placeInPicture(ControlArray array, std::int16_t element) override;

    // What the window hears when it asks whether high contrast is on, as
    // a pupil's Windows would answer: Wine always says it is off.
    static void answerHighContrast(bool on);

private:
    // The middle of the answer list's row at a position, past the last name too.
    POINT answerRow(int position) const;

    std::unique_ptr<MainForm> form_;
};

}  // namespace veltara::testing
