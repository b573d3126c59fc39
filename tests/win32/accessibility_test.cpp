// What a screen reader finds in the Win32 window, asked as one asks: through
// the accessible objects the controls serve (AccessibleObjectFromWindow) and
// the alert raised with the verdict (a WinEvent hook).
#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <set>

#include "main_form_description.h"
#include "verdicts.h"
#include "win32_fixture.h"
#include "win32_text.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;

Accessible accessibleOf(HWND window, LONG object = OBJID_CLIENT) {
    IAccessible* found = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(object), IID_IAccessible,
                                          reinterpret_cast<void**>(&found)))) {
        return nullptr;
    }
    return Accessible(found);
}

VARIANT childId(LONG id = CHILDID_SELF) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::string textOf(HRESULT (STDMETHODCALLTYPE IAccessible::*read)(VARIANT, BSTR*),
                   IAccessible& object, LONG child = CHILDID_SELF) {
    BSTR text = nullptr;
    // cppcheck-suppress knownConditionTrueFalse ; the call writes it
    if ((object.*read)(childId(child), &text) != S_OK || text == nullptr) {
        return {};
    }
    std::string result = narrow(text);
    SysFreeString(text);
    return result;
}
std::string nameOf(IAccessible& object, LONG child = CHILDID_SELF) {
    return textOf(&IAccessible::get_accName, object, child);
}
std::string descriptionOf(IAccessible& object) {
    return textOf(&IAccessible::get_accDescription, object);
}
LONG roleOf(IAccessible& object, LONG child = CHILDID_SELF) {
    VARIANT role{};
    return object.get_accRole(childId(child), &role) == S_OK && role.vt == VT_I4 ? role.lVal : 0;
}

const ControlDescription& described(ControlArray array, int element = 0) {
    return mainFormDescription().control(array, static_cast<std::int16_t>(element));
}

using Accessibility = Win32WindowTest;

TEST_F(Accessibility, ControlsAreNamedAndAChosenButtonSaysWhatIsSeen) {
    Accessible mars = accessibleOf(planet(3));
    ASSERT_NE(mars, nullptr);
    EXPECT_EQ(nameOf(*mars), "Марс");
    EXPECT_EQ(descriptionOf(*mars), "земеподобни");
    clickPlanet(3);
    EXPECT_EQ(nameOf(*mars), "празен бутон в лявата колона, ред 3");
    EXPECT_EQ(descriptionOf(*mars), "земеподобни");
    std::set<std::string> names;
    for (const PlanetRow& row : kCatalogue) {
        clickPlanet(row.index);
        Accessible button = accessibleOf(planet(row.index));
        ASSERT_NE(button, nullptr);
        names.insert(nameOf(*button));
        EXPECT_EQ(descriptionOf(*button), categoryLegend(row.category));
    }
    EXPECT_EQ(names.size(), 13U);  // one for each place, none the frame's title
    EXPECT_EQ(names.count(described(ControlArray::Frame1).text), 0U);

    Accessible list = accessibleOf(answerList());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(nameOf(*list), described(ControlArray::Label1, 1).text);
    Accessible area = accessibleOf(messageArea());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(nameOf(*area), described(ControlArray::Text1).accessibleName);
    EXPECT_EQ(roleOf(*area), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(textOf(&IAccessible::get_accValue, *area), message());
    Accessible clear = accessibleOf(clearButton());
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(nameOf(*clear), "Чисти");
    // Wine's window object has neither name nor role: its client is named.
    Accessible window = accessibleOf(form().window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(nameOf(*window), mainFormDescription().caption);
}

TEST_F(Accessibility, HiddenControlsAreNotFound) {
    const std::string line = quotation().substr(0, quotation().find("\r\n"));
    // No window holds the quotation, and the answer list is the one list.
    std::vector<HWND> windows;
    EnumChildWindows(
        form().window(),
        [](HWND child, LPARAM into) {
            // NOLINTNEXTLINE(performance-no-int-to-ptr): the list given below
            reinterpret_cast<std::vector<HWND>*>(into)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    int lists = 0;
    for (HWND child : windows) {
        std::wstring kind(32, L'\0');
        kind.resize(static_cast<std::size_t>(GetClassNameW(child, kind.data(), 32)));
        lists += kind == L"ListBox" ? 1 : 0;
        EXPECT_EQ(narrow(windowText(child)).find(line), std::string::npos);
        Accessible object = accessibleOf(child);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(nameOf(*object).find(line), std::string::npos);
    }
    EXPECT_EQ(lists, 1);
    // Hit tests where the two would stand find the window or its controls.
    Accessible client = accessibleOf(form().window());
    ASSERT_NE(client, nullptr);
    const UINT dpi = screenDpi();
    for (ControlArray array : {ControlArray::List1, ControlArray::Text1}) {
        const TwipsRect& place = described(array, 1).place;
        for (int x = place.left; x < place.right(); x += 300) {
            for (int y = place.top; y < place.bottom(); y += 300) {
                POINT at{MulDiv(x, static_cast<int>(dpi), 1440), MulDiv(y, static_cast<int>(dpi), 1440)};
                ClientToScreen(form().window(), &at);
                VARIANT hit{};
                ASSERT_TRUE(SUCCEEDED(client->accHitTest(at.x, at.y, &hit)));
                if (hit.vt == VT_DISPATCH) {
                    HWND found = nullptr;
                    WindowFromAccessibleObject(reinterpret_cast<IAccessible*>(hit.pdispVal), &found);
                    EXPECT_NE(std::find(windows.begin(), windows.end(), found), windows.end());
                    hit.pdispVal->Release();
                }
            }
        }
    }
}

// The alerts raised, as a screen reader reads them on the event.
std::vector<std::pair<LONG, std::string>> alerts;
void CALLBACK onAlert(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG object,
                      LONG child, DWORD /*thread*/, DWORD /*time*/) {
    IAccessible* source = nullptr;
    VARIANT id{};
    if (SUCCEEDED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object), static_cast<DWORD>(child),
                                            &source, &id))) {
        alerts.emplace_back(roleOf(*source, id.lVal), nameOf(*source, id.lVal));
        source->Release();
    }
}

TEST_F(Accessibility, TheVerdictIsRaisedAsAnAlertWhenTheThirteenthIsPlaced) {
    alerts.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, &onAlert,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    std::vector<int> order = distanceOrder();
    std::swap(order[0], order[1]);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        clickPlanet(order[i]);
    }
    EXPECT_TRUE(alerts.empty());
    clickPlanet(order.back());
    pump();
    const std::pair<LONG, std::string> wrong{ROLE_SYSTEM_ALERT, std::string(kWrongOrderVerdict)};
    EXPECT_EQ(alerts, (std::vector{wrong}));
    clickClear();  // the message area empties: nothing to raise
    for (int element : distanceOrder()) {
        clickPlanet(element);
    }
    pump();
    const std::pair<LONG, std::string> right{ROLE_SYSTEM_ALERT, std::string(kRightOrderVerdict)};
    EXPECT_EQ(alerts, (std::vector{wrong, right}));
    UnhookWinEvent(hook);
}

}  // namespace
}  // namespace veltara::testing
