// The page in a real browser, driven by the pupil's mouse, fingers and
// keyboard as trusted input (WebDriver actions), and read back through the
// page's DOM: the ids, roles and states it promises for every control.
//   VELTARA_WEB_ENGINE names the browser (chromium, firefox or webkit),
//   VELTARA_WEB_PAGE the page's .html file. One browser serves the whole
//   test program; each test loads the page afresh.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "browser_bridge.h"
#include "hidden_controls.h"
#include "main_form_description.h"
#include "pupil_window.h"

namespace veltara::testing {

// A place in the viewport, in CSS pixels.
struct ViewportBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double centreX() const { return left + width / 2; }
    double centreY() const { return top + height / 2; }
};

// A control's element id: its array and element, "Option1_3".
std::string elementIdOf(ControlArray array, int element);

class WebWindowTest : public ::testing::Test, public PupilWindow {
public:
    // The browser of the whole test program.
    static BrowserBridge& bridge();
    static const std::string& engine();

protected:
    void SetUp() override;
    // No test may leave a request behind: the page asks for nothing.
    void TearDown() override;

    // The viewport the shared scenarios run in: the form's own size.
    static constexpr int kViewportWidth = 461;
    static constexpr int kViewportHeight = 365;

    // Opens the page anew, in the viewport as it is.
    void openThePage();
    std::string script(const std::string& body) { return bridge().script(body); }
    ViewportBox boxOf(const std::string& elementId);
    void waitForTheFormToFit();
    void waitForTheListToRest();
    // Clicks at a point of the viewport; no clicks only moves the pointer there.
    void clickAt(double x, double y, int count = 1);
    void tapAt(double x, double y, int count = 1);
    void pressNamed(const std::string& key, bool shift = false);
    void tabAround(bool back);

    void clickPlanet(int element) override;
    void clickAnswer(int position) override;
    void doubleClickAnswer(int position) override;
    void clickClear() override;
    void clickInPicture(int x, int y, std::int16_t clicks) override;
    void press(Key key) override;

    std::vector<std::string> answers() override { return state().answers; }
    bool answerSelected() override { return state().selected; }
    int answerMark() override { return state().mark; }
    std::string focused() override { return state().focused; }
    std::string caption(int element) override;
    bool planetSelected(int element) override;
    std::string message() override { return state().message; }
    // The page keeps the hidden controls only in its program's memory, on
    // purpose, out of every element and attribute: a test can read them
    // nowhere in the page. These are the description's own, which the page
    // is built from.
    std::vector<std::string> referenceItems() override { return hidden_.referenceItems(); }
    std::string quotation() override { return hidden_.quotation(); }

    Picture picture() override;
    PictureBox placeInPicture(ControlArray array, std::int16_t element) override;

private:
    // What the pupil can read off the page, read at once after each input.
    struct PageState {
        std::vector<std::string> answers;
        bool selected = false;
        int mark = -1;
        std::string focused;
        std::vector<std::string> captions;
        std::vector<bool> checked;
        std::string message;
    };
    const PageState& state();
    // Screenshot pixels to a CSS pixel.
    double pictureScale();
    void changed() { state_.reset(); }

    HiddenControls hidden_{mainFormDescription()};
    std::optional<PageState> state_;
    double pictureScale_ = 0;
    std::chrono::steady_clock::time_point lastClick_;
    double lastClickX_ = -100;
    double lastClickY_ = -100;
};

}  // namespace veltara::testing
