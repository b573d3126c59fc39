// What only Chromium's DevTools let a test set or read: the screen of a
// phone, a tablet or a 4K monitor, touch, forced colours and a dark
// preference, and the accessibility tree a screen reader is given.
#include <algorithm>
#include <chrono>
#include <map>
#include <ostream>
#include <thread>
#include <tuple>
#include <sstream>

#include "verdicts.h"
#include "web_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

class ChromiumTest : public WebWindowTest {
protected:
    void TearDown() override {
        WebWindowTest::TearDown();
        devTools("Emulation.clearDeviceMetricsOverride", "{}");
        devTools("Emulation.setTouchEmulationEnabled", R"({"enabled": false})");
        devTools("Emulation.setEmulatedMedia", R"({"features": []})");
    }
    static std::string devTools(const std::string& method, const std::string& params) {
        return bridge().request("cdp " + method + " " + params);
    }
};

struct Screen {
    const char* name;
    int width;
    int height;
    int pixelRatio;
    bool phone;
};
void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

class ChromiumScreens : public ChromiumTest, public ::testing::WithParamInterface<Screen> {
protected:
    // The whole form shows, as large as the screen lets it, its
    // proportions kept, with nothing to scroll.
    void expectTheFormFits() {
        const Screen& screen = GetParam();
        // A page wider than a phone's screen has the browser widen its
        // layout and zoom it out: the form must fit by its own scale, at
        // the browser's scale 1.
        EXPECT_EQ(script("return [innerWidth, innerHeight, devicePixelRatio, visualViewport.scale].join(' ')"),
                  std::to_string(screen.width) + " " + std::to_string(screen.height) + " " +
                      std::to_string(screen.pixelRatio) + " 1")
            << "the layout viewport, the pixel ratio and the browser's zoom";
        waitForTheFormToFit();
        const ViewportBox form = boxOf("form");
        EXPECT_GE(form.left, -0.5);
        EXPECT_GE(form.top, -0.5);
        EXPECT_LE(form.left + form.width, screen.width + 0.5);
        EXPECT_LE(form.top + form.height, screen.height + 0.5);
        EXPECT_NEAR(form.width / form.height, 461.0 / 365.0, 0.01);
        EXPECT_TRUE(form.width >= screen.width - 2 || form.height >= screen.height - 2)
            << "the form is " << form.width << " by " << form.height;
        EXPECT_EQ(script("const page = document.scrollingElement;"
                         "return [page.scrollWidth <= page.clientWidth, page.scrollHeight <= page.clientHeight,"
                         "  scrollX, scrollY].join(' ')"),
                  "true true 0 0");
        // The controls grow with the form.
        EXPECT_NEAR(boxOf(elementIdOf(ControlArray::Option1, 5)).width / form.width, 1500.0 / 6915.0, 0.01);
    }
};

// The form fits a screen when the window takes its size (a phone turned,
// a window made smaller) and when the page is opened there; a tap
// chooses, and a double tap does not zoom the page.
TEST_P(ChromiumScreens, TheFormFitsAndTakesTaps) {
    const Screen& screen = GetParam();
    devTools("Emulation.setDeviceMetricsOverride",
             "{\"width\": " + std::to_string(screen.width) + ", \"height\": " + std::to_string(screen.height) +
                 ", \"deviceScaleFactor\": " + std::to_string(screen.pixelRatio) +
                 ", \"mobile\": " + (screen.phone ? "true" : "false") + "}");
    devTools("Emulation.setTouchEmulationEnabled", R"({"enabled": true, "maxTouchPoints": 5})");
    {
        SCOPED_TRACE("the window took the screen's size");
        expectTheFormFits();
    }
    {
        SCOPED_TRACE("opened on the screen");
        openThePage();
        expectTheFormFits();
    }
    const ViewportBox planet = boxOf(elementIdOf(ControlArray::Option1, 5));
    tapAt(planet.centreX(), planet.centreY());
    EXPECT_EQ(answers(), namesOf({5}));
    clickAt(1, 1);  // the page round the window keeps the focus off itself
    EXPECT_EQ(focused(), "Option1_5");
    const ViewportBox title = boxOf(elementIdOf(ControlArray::Label1, 0));
    tapAt(title.centreX(), title.centreY(), 2);
    const ViewportBox list = boxOf(elementIdOf(ControlArray::List1, 0));
    tapAt(list.left + list.width / 2, list.top + list.height - 4, 2);
    EXPECT_EQ(script("return String(visualViewport.scale)"), "1");
    EXPECT_EQ(answers(), namesOf({5}));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ChromiumScreens,
    ::testing::Values(Screen{"Laptop", 1280, 800, 1, false}, Screen{"LaptopHiDpi", 1280, 800, 2, false},
                      Screen{"Tablet", 800, 1280, 1, true}, Screen{"TabletHiDpi", 800, 1280, 2, true},
                      Screen{"Phone", 390, 844, 1, true}, Screen{"PhoneHiDpi", 390, 844, 2, true},
                      Screen{"Monitor4K", 3840, 2160, 1, false}, Screen{"Monitor4KHiDpi", 3840, 2160, 2, false}),
    [](const ::testing::TestParamInfo<Screen>& info) { return std::string(info.param.name); });

// The media features a pupil's system may ask for.
struct Preference {
    const char* name;
    const char* features;
    bool forcedColours;
};
void PrintTo(const Preference& preference, std::ostream* out) { *out << preference.name; }

class ChromiumColours : public ChromiumTest, public ::testing::WithParamInterface<Preference> {};

// Every text reads on its face; in forced colours, where the faces lose
// their colours, each planet and legend shows its category by its mark.
TEST_P(ChromiumColours, EveryTextReadsAndEveryCategoryShows) {
    devTools("Emulation.setEmulatedMedia", std::string("{\"features\": ") + GetParam().features + "}");
    everyTextReadsAgainstItsFace(*this);
    if (GetParam().forcedColours) {
        everyCategoryShowsByItsMark(*this);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, ChromiumColours,
    ::testing::Values(
        Preference{"Dark", R"([{"name": "prefers-color-scheme", "value": "dark"}])", false},
        Preference{"ForcedColours", R"([{"name": "forced-colors", "value": "active"}])", true},
        Preference{"ForcedColoursDark",
                   R"([{"name": "forced-colors", "value": "active"}, {"name": "prefers-color-scheme", "value": "dark"}])",
                   true}),
    [](const ::testing::TestParamInfo<Preference>& info) { return std::string(info.param.name); });

// The accessibility tree's nodes, each as its fields: role, name,
// description, value, its properties, and a live region's text.
using AccessibleNode = std::map<std::string, std::string>;

std::string field(const AccessibleNode& node, const std::string& name) {
    const auto found = node.find(name);
    return found == node.end() ? std::string() : found->second;
}

class ChromiumAccessibility : public ChromiumTest {
protected:
    std::vector<AccessibleNode> tree() {
        std::vector<AccessibleNode> nodes;
        std::istringstream lines(bridge().request("axtree"));
        for (std::string line; std::getline(lines, line);) {
            AccessibleNode node;
            std::istringstream fields(line);
            for (std::string pair; std::getline(fields, pair, '\t');) {
                const std::size_t equals = pair.find('=');
                node[pair.substr(0, equals)] = pair.substr(equals + 1);
            }
            nodes.push_back(node);
        }
        return nodes;
    }
    std::vector<AccessibleNode> withRole(const std::string& role) {
        std::vector<AccessibleNode> found;
        for (const AccessibleNode& node : tree()) {
            if (field(node, "role") == role) {
                found.push_back(node);
            }
        }
        return found;
    }
    // What the polite live regions hold.
    std::vector<std::string> announced() {
        std::vector<std::string> texts;
        for (const AccessibleNode& node : tree()) {
            if (field(node, "live") == "polite") {
                texts.push_back(field(node, "text"));
            }
        }
        return texts;
    }
};

std::string spokenName(const ControlDescription& control) {
    return control.accessibleName.empty() ? control.text : control.accessibleName;
}

TEST_F(ChromiumAccessibility, EveryControlHasItsRoleNameAndState) {
    const WindowDescription& form = mainFormDescription();
    const auto group = withRole("radiogroup");
    ASSERT_EQ(group.size(), 1U);
    EXPECT_EQ(field(group[0], "name"), form.control(ControlArray::Frame1, 0).text);
    clickPlanet(3);
    std::map<std::string, AccessibleNode> radios;
    for (const AccessibleNode& radio : withRole("radio")) {
        radios[field(radio, "name")] = radio;
    }
    ASSERT_EQ(radios.size(), 13U);
    for (const PlanetRow& row : kCatalogue) {
        const ControlDescription& described = form.control(ControlArray::Option1, row.index);
        const std::string name = row.index == 3 ? described.accessibleName : std::string(row.name);
        SCOPED_TRACE(name);
        ASSERT_EQ(radios.count(name), 1U);
        EXPECT_EQ(field(radios[name], "description"), categoryLegend(row.category));
        EXPECT_EQ(field(radios[name], "checked"), row.index == 3 ? "true" : "false");
    }
    const auto lists = withRole("listbox");
    ASSERT_EQ(lists.size(), 1U);
    EXPECT_EQ(field(lists[0], "name"), spokenName(form.control(ControlArray::List1, 0)));
    EXPECT_EQ(withRole("option").size(), 1U);
    const auto boxes = withRole("textbox");
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(field(boxes[0], "name"), spokenName(form.control(ControlArray::Text1, 0)));
    EXPECT_EQ(field(boxes[0], "readonly"), "true");
    const auto buttons = withRole("button");
    ASSERT_EQ(buttons.size(), 1U);
    EXPECT_EQ(field(buttons[0], "name"), "Чисти");
}

// A screen reader reads the planets in the tree's order: the order in
// which they stand on the screen, row by row, and never the answer.
TEST_F(ChromiumAccessibility, ThePlanetsComeInTheOrderTheyStandOnTheScreen) {
    std::vector<PlanetRow> rows(kCatalogue.begin(), kCatalogue.end());
    std::sort(rows.begin(), rows.end(), [](const PlanetRow& one, const PlanetRow& other) {
        return std::tie(one.top, one.left) < std::tie(other.top, other.left);
    });
    std::vector<std::string> onScreen;
    for (const PlanetRow& row : rows) {
        onScreen.emplace_back(row.name);
    }
    std::vector<std::string> inTree;
    for (const AccessibleNode& radio : withRole("radio")) {
        inTree.push_back(field(radio, "name"));
    }
    EXPECT_EQ(inTree, onScreen);
}

// The verdict reaches a polite live region when the thirteenth name is
// placed, and only then; what follows, till the next verdict, leaves it be.
TEST_F(ChromiumAccessibility, TheVerdictIsAnnouncedOnceWhenTheThirteenthIsPlaced) {
    std::vector<int> order = distanceOrder();
    std::swap(order[2], order[3]);
    const std::string verdict(kWrongOrderVerdict);
    for (std::size_t pick = 0; pick + 1 < order.size(); ++pick) {
        clickPlanet(order[pick]);
    }
    for (const std::string& text : announced()) {
        EXPECT_EQ(text.find(verdict), std::string::npos);
    }
    clickPlanet(order.back());
    EXPECT_EQ(announced(), std::vector<std::string>{verdict});
    script("window.liveChanges = 0;"
           "for (const region of document.querySelectorAll('[aria-live], [role=status], [role=alert]'))"
           "  new MutationObserver(changes => { liveChanges += changes.length; })"
           "    .observe(region, {childList: true, subtree: true, characterData: true});"
           "return ''");
    clickPlanet(order.back());  // already empty: nothing changes
    press(Key::Tab);
    press(Key::Tab);
    EXPECT_EQ(script("return String(liveChanges)"), "0");
    EXPECT_EQ(announced(), std::vector<std::string>{verdict});
}

}  // namespace
}  // namespace veltara::testing
