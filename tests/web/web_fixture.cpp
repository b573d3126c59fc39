#include "web_fixture.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <unistd.h>

namespace veltara::testing {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::string::npos; end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        throw std::runtime_error(std::string(name) + " is not set");
    }
    return value;
}

// Firefox opens the page from a folder whose name has spaces and Cyrillic
// letters, as a teacher's folder may: the file address must be written out
// right. The other engines open it where it was built.
std::string pagePath() {
    static const std::string path = [] {
        const std::filesystem::path built = environment("VELTARA_WEB_PAGE");
        if (!std::filesystem::is_regular_file(built)) {
            throw std::runtime_error("no page at " + built.string() + ": build the web preset");
        }
        if (WebWindowTest::engine() != "firefox") {
            return built.string();
        }
        // Removed when the test program ends.
        static const struct Copy {
            std::filesystem::path root = std::filesystem::temp_directory_path() /
                                         ("veltara-page-" + std::to_string(::getpid()));
            Copy(const Copy&) = delete;
            Copy& operator=(const Copy&) = delete;
            Copy() = default;
            ~Copy() {
                std::error_code ignored;
                std::filesystem::remove_all(root, ignored);
            }
        } copy;
        const auto folder = copy.root / "Уроци по физика и астрономия";
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(built, folder / built.filename(),
                                   std::filesystem::copy_options::overwrite_existing);
        return (folder / built.filename()).string();
    }();
    return path;
}

// What one look at the page reads, fields split by RS and lists by US.
const char* const kReadState =
    "const list = document.getElementById('List1_0');"
    "const items = Array.from(list.children).filter(e => e.getAttribute('role') === 'option');"
    "const active = list.getAttribute('aria-activedescendant');"
    "const planets = Array.from({length: 13}, (_, i) => document.getElementById('Option1_' + i));"
    "return [items.map(e => e.textContent).join('\\x1f'),"
    "  items.some(e => e.getAttribute('aria-selected') === 'true') ? '1' : '0',"
    "  String(active ? items.findIndex(e => e.id === active) : -1),"
    "  document.activeElement ? document.activeElement.id : '',"
    "  planets.map(p => p.textContent).join('\\x1f'),"
    "  planets.map(p => p.getAttribute('aria-checked') === 'true' ? '1' : '0').join(''),"
    "  document.getElementById('Text1_0').value].join('\\x1e');";

}  // namespace

std::string elementIdOf(ControlArray array, int element) {
    return std::string(arrayName(array)) + "_" + std::to_string(element);
}

const std::string& WebWindowTest::engine() {
    static const std::string name = environment("VELTARA_WEB_ENGINE");
    return name;
}

BrowserBridge& WebWindowTest::bridge() {
    static const std::unique_ptr<BrowserBridge> browser = [] {
        auto started = std::make_unique<BrowserBridge>(engine());
        std::cout << "[ browser  ] " << started->browser() << '\n';
        return started;
    }();
    return *browser;
}

void WebWindowTest::SetUp() {
    try {
        openThePage();
        // Firefox keeps its window at least 500 pixels wide: the form then
        // stands in a wider viewport, at its own size still.
        std::istringstream viewport(
            bridge().request("size " + std::to_string(kViewportWidth) + " " + std::to_string(kViewportHeight)));
        int width = 0;
        int height = 0;
        viewport >> width >> height;
        ASSERT_GE(width, kViewportWidth);
        ASSERT_GE(height, kViewportHeight);
        waitForTheFormToFit();
        // The pointer rests on the form's own face, over no control, so
        // that none starts hovered by where an earlier test left it.
        clickAt(0, 0, 0);
    } catch (const std::exception& error) {
        FAIL() << error.what();
    }
    changed();
    pictureScale_ = 0;
}

void WebWindowTest::openThePage() {
    bridge().request("open " + pagePath());
    changed();
}

void WebWindowTest::TearDown() {
    EXPECT_EQ(script("return performance.getEntriesByType('resource').map(e => e.name).join(' ')"), "")
        << "the page asked for these";
}

// The page fits the form to the viewport at its next frame after the
// viewport's size changes: WebKitGTK's comes a while after the window's.
// Its font, inside the page, is ready a moment after the page itself.
void WebWindowTest::waitForTheFormToFit() {
    std::string last;
    for (int frame = 0; frame < 80; ++frame) {
        const std::string now = script("const r = document.getElementById('form').getBoundingClientRect();"
                                       "return [r.left, r.top, r.width, r.height].join(' ') + ' ' +"
                                       "  (r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5 &&"
                                       "   document.fonts.status === 'loaded')");
        if (now == last && now.ends_with("true")) {
            return;
        }
        last = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

ViewportBox WebWindowTest::boxOf(const std::string& elementId) {
    std::istringstream numbers(script("const r = document.getElementById('" + elementId +
                                      "').getBoundingClientRect();"
                                      "return [r.left, r.top, r.width, r.height].join(' ')"));
    ViewportBox box;
    numbers >> box.left >> box.top >> box.width >> box.height;
    return box;
}

// Two clicks at one place in quick succession are a double-click to the
// browser: WebKitGTK and Firefox count them by the desktop's double-click
// time (GTK's 400 ms) whatever actions they came in. Separate clicks come
// apart, as a pupil's do.
void WebWindowTest::clickAt(double x, double y, int count) {
    using namespace std::chrono;
    constexpr auto kDoubleClickTime = milliseconds(600);
    const auto now = steady_clock::now();
    if (count > 0 && std::hypot(x - lastClickX_, y - lastClickY_) < 8 && now - lastClick_ < kDoubleClickTime) {
        std::this_thread::sleep_for(kDoubleClickTime - (now - lastClick_));
    }
    bridge().request("click " + std::to_string(std::lround(x)) + " " + std::to_string(std::lround(y)) + " " +
                     std::to_string(count));
    changed();
    if (count > 0) {
        lastClick_ = std::chrono::steady_clock::now();
        lastClickX_ = x;
        lastClickY_ = y;
    }
}

void WebWindowTest::tapAt(double x, double y, int count) {
    bridge().request("tap " + std::to_string(std::lround(x)) + " " + std::to_string(std::lround(y)) + " " +
                     std::to_string(count));
    changed();
}

void WebWindowTest::pressNamed(const std::string& key, bool shift) {
    bridge().request("key " + key + (shift ? " shift" : ""));
    changed();
}

void WebWindowTest::clickPlanet(int element) {
    const ViewportBox box = boxOf(elementIdOf(ControlArray::Option1, element));
    clickAt(box.centreX(), box.centreY());
}

void WebWindowTest::clickClear() {
    const ViewportBox box = boxOf(elementIdOf(ControlArray::Command1, 0));
    clickAt(box.centreX(), box.centreY());
}

// A pupil clicks a name where it stands once the list has scrolled to it:
// WebKitGTK scrolls smoothly, over several frames.
void WebWindowTest::waitForTheListToRest() {
    std::string last;
    for (int frame = 0; frame < 80; ++frame) {
        const std::string now = script("return String(document.getElementById('List1_0').scrollTop)");
        if (now == last) {
            return;
        }
        last = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

void WebWindowTest::clickAnswer(int position) {
    waitForTheListToRest();
    const std::string id = script("const items = Array.from(document.getElementById('List1_0').children)"
                                  "  .filter(e => e.getAttribute('role') === 'option');"
                                  "return items[" + std::to_string(position) + "].id");
    ASSERT_FALSE(id.empty()) << "the answer list's items have ids, for aria-activedescendant";
    const ViewportBox box = boxOf(id);
    clickAt(box.centreX(), box.centreY());
}

// Both clicks in one sequence of actions, as quickly as a pupil's
// double-click, which the browser counts as one.
void WebWindowTest::doubleClickAnswer(int position) {
    const std::string id = script("const first = document.querySelector('#List1_0 > [role=option]');"
                                  "return first ? first.id : ''");
    ASSERT_FALSE(id.empty()) << "no name in the answer list";
    waitForTheListToRest();
    const ViewportBox first = boxOf(id);
    clickAt(first.centreX(), first.centreY() + position * first.height, 2);
}

// Past the last control, Tab leaves the page for the browser's own
// controls, and Shift+Tab does before the first: a page must not trap the
// keyboard. The pupil presses it again until the page has the focus back,
// at the other end of its own cycle, which is the window's. Chromium takes
// one press more; Firefox one or two, as its window hands the focus back
// to the page, which then has it on the control it left from.
void WebWindowTest::tabAround(bool back) {
    const std::string from = focused();
    pressNamed("Tab", back);
    if (from != (back ? "Text1_0" : "Command1_0")) {
        return;
    }
    for (int again = 0; again < 4 && (focused().empty() || focused() == from); ++again) {
        pressNamed("Tab", back);
    }
}

void WebWindowTest::press(Key key) {
    switch (key) {
    case Key::Tab: return tabAround(false);
    case Key::BackTab: return tabAround(true);
    case Key::Left: return pressNamed("Left");
    case Key::Right: return pressNamed("Right");
    case Key::Up: return pressNamed("Up");
    case Key::Down: return pressNamed("Down");
    case Key::Home: return pressNamed("Home");
    case Key::End: return pressNamed("End");
    case Key::PageUp: return pressNamed("PageUp");
    case Key::PageDown: return pressNamed("PageDown");
    case Key::Space: return pressNamed("Space");
    case Key::Enter: return pressNamed("Enter");
    case Key::Escape: return pressNamed("Escape");
    }
}

const WebWindowTest::PageState& WebWindowTest::state() {
    if (state_) {
        return *state_;
    }
    const std::vector<std::string> fields = split(script(kReadState), '\x1e');
    if (fields.size() != 7) {
        throw std::runtime_error("the page's controls are not as promised");
    }
    PageState read;
    if (!fields[0].empty()) {
        read.answers = split(fields[0], '\x1f');
    }
    read.selected = fields[1] == "1";
    read.mark = std::stoi(fields[2]);
    read.focused = fields[3];
    read.captions = split(fields[4], '\x1f');
    for (char checked : fields[5]) {
        read.checked.push_back(checked == '1');
    }
    read.message = fields[6];
    state_ = std::move(read);
    return *state_;
}

std::string WebWindowTest::caption(int element) {
    return state().captions.at(static_cast<std::size_t>(element));
}

bool WebWindowTest::planetSelected(int element) {
    return state().checked.at(static_cast<std::size_t>(element));
}

Picture WebWindowTest::picture() {
    Picture shown = bridge().picture("form");
    pictureScale_ = shown.width / boxOf("form").width;
    return shown;
}

double WebWindowTest::pictureScale() {
    if (pictureScale_ == 0) {
        pictureScale_ = std::stod(script("return String(devicePixelRatio)"));
    }
    return pictureScale_;
}

void WebWindowTest::clickInPicture(int x, int y, std::int16_t clicks) {
    const ViewportBox form = boxOf("form");
    clickAt(form.left + x / pictureScale(), form.top + y / pictureScale(), clicks);
}

// From the element's box and the form's, in the screenshot's pixels.
PictureBox WebWindowTest::placeInPicture(ControlArray array, std::int16_t element) {
    const ViewportBox form = boxOf("form");
    const ViewportBox box = boxOf(elementIdOf(array, element));
    const auto pixels = [this](double length) { return static_cast<int>(std::lround(length * pictureScale())); };
    return {pixels(box.left - form.left), pixels(box.top - form.top), pixels(box.width), pixels(box.height)};
}

}  // namespace veltara::testing
