// What a screen reader finds in the Win32 window, asked as one asks: through
// the accessible objects the controls serve (AccessibleObjectFromWindow and
// AccessibleObjectFromPoint) and the alert raised with the verdict (a
// WinEvent hook); in this process, and from another as a screen reader asks.
#include <oleacc.h>
#include <servprov.h>
#include <tlhelp32.h>

#include <algorithm>
#include <memory>
#include <new>
#include <set>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "accessible_proxy.h"
#include "main_form_description.h"
#include "main_window_class.h"
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
using Unknown = std::unique_ptr<IUnknown, Releaser>;

template <typename Interface = IUnknown>
std::unique_ptr<Interface, Releaser> ask(IUnknown& object, REFIID id) {
    Interface* found = nullptr;
    const bool given = SUCCEEDED(object.QueryInterface(id, reinterpret_cast<void**>(&found)));
    return std::unique_ptr<Interface, Releaser>(given ? found : nullptr);
}

Accessible accessibleOf(HWND window) {
    IAccessible* found = nullptr;
    const bool given = SUCCEEDED(AccessibleObjectFromWindow(
        window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible, reinterpret_cast<void**>(&found)));
    return Accessible(given ? found : nullptr);
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
// A control's, as a screen reader asks for its object; empty where it has none.
std::string nameOf(HWND control) {
    const Accessible object = accessibleOf(control);
    return object != nullptr ? nameOf(*object) : std::string();
}
std::string descriptionOf(HWND control) {
    const Accessible object = accessibleOf(control);
    return object != nullptr ? descriptionOf(*object) : std::string();
}
LONG roleOf(IAccessible& object, LONG child = CHILDID_SELF) {
    VARIANT role{};
    return object.get_accRole(childId(child), &role) == S_OK && role.vt == VT_I4 ? role.lVal : 0;
}

// The pointer that is the object's identity in COM, from any of its interfaces.
const IUnknown* identityOf(IUnknown& object) { return ask(object, IID_IUnknown).get(); }

// The object a screen reader finds at a point on the screen, and the child
// there, by descending through each object's hit test from `from`.
std::pair<Accessible, LONG> hitFrom(Accessible from, POINT at) {
    for (int depth = 0; from != nullptr && depth < 8; ++depth) {
        VARIANT hit{};
        if (from->accHitTest(at.x, at.y, &hit) != S_OK) {
            return {};
        }
        if (hit.vt == VT_I4) {
            return {std::move(from), hit.lVal};
        }
        if (hit.vt != VT_DISPATCH || hit.pdispVal == nullptr) {
            return {};
        }
        const Unknown below(hit.pdispVal);
        from = ask<IAccessible>(*below, IID_IAccessible);
    }
    return {};
}

// The object and child a screen reader finds at a point, asked in one call.
std::pair<Accessible, LONG> objectAt(POINT at) {
    IAccessible* found = nullptr;
    VARIANT child{};
    const HRESULT asked = AccessibleObjectFromPoint(at, &found, &child);
    Accessible held(found);
    if (asked != S_OK || child.vt != VT_I4) {
        return {};
    }
    return {std::move(held), child.lVal};
}

POINT centreOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

const ControlDescription& described(ControlArray array, int element = 0) {
    return mainFormDescription().control(array, static_cast<std::int16_t>(element));
}

using Accessibility = Win32WindowTest;

// The planet buttons lie below the frame, which lets the mouse through to
// them; a screen reader's hit test finds them there too, each named for its
// caption, and once chosen, for where it stands.
TEST_F(Accessibility, EachPlanetIsFoundAtItsPlaceAndNamedForWhatIsSeen) {
    std::set<std::string> names;
    for (const PlanetRow& row : kCatalogue) {
        SCOPED_TRACE(row.name);
        const POINT centre = centreOf(planet(row.index));
        // Asked in one call, and by descending from the window.
        for (const auto& [found, child] :
             {objectAt(centre), hitFrom(accessibleOf(form().window()), centre)}) {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(nameOf(*found, child), row.name);
            EXPECT_EQ(descriptionOf(*found), categoryLegend(row.category));
        }
        clickPlanet(row.index);
        names.insert(nameOf(planet(row.index)));
        EXPECT_EQ(descriptionOf(planet(row.index)), categoryLegend(row.category));
    }
    EXPECT_EQ(names.size(), 13U);  // one for each place, none the frame's title
    EXPECT_EQ(names.count(described(ControlArray::Frame1).text), 0U);
}

TEST_F(Accessibility, TheOtherControlsAreNamed) {
    EXPECT_EQ(nameOf(answerList()), described(ControlArray::Label1, 1).text);
    Accessible area = accessibleOf(messageArea());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(nameOf(*area), described(ControlArray::Text1).accessibleName);
    EXPECT_EQ(roleOf(*area), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(textOf(&IAccessible::get_accValue, *area), message());
    EXPECT_EQ(nameOf(clearButton()), "Чисти");
    // Wine's window object has neither name nor role: its client is named.
    EXPECT_EQ(nameOf(form().window()), mainFormDescription().caption);
}

TEST_F(Accessibility, HiddenControlsAreNotFound) {
    const std::string line = quotation().substr(0, quotation().find("\r\n"));
    // No window holds the quotation, and the answer list is the one list.
    std::vector<HWND> windows;  // the controls all stand in the window itself
    for (HWND child = GetWindow(form().window(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        windows.push_back(child);
    }
    int lists = 0;
    for (HWND child : windows) {
        std::wstring kind(32, L'\0');
        kind.resize(static_cast<std::size_t>(GetClassNameW(child, kind.data(), 32)));
        lists += kind == L"ListBox" ? 1 : 0;
        EXPECT_EQ(narrow(windowText(child)).find(line), std::string::npos);
        ASSERT_NE(accessibleOf(child), nullptr);
        EXPECT_EQ(nameOf(child).find(line), std::string::npos);
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
                POINT at{pixelsAt(x, dpi), pixelsAt(y, dpi)};
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

TEST_F(Accessibility, EveryInterfaceHandedOutIsTheSameObject) {
    clickPlanet(3);  // the empty button's name is ours alone
    const Accessible mars = accessibleOf(planet(3));
    ASSERT_NE(mars, nullptr);
    const std::string ours = nameOf(*mars);
    ASSERT_EQ(ours, "празен бутон в лявата колона, ред 3");
    const IUnknown* identity = identityOf(*mars);
    // From any interface, IUnknown is the one pointer and IAccessible is ours.
    const auto leadsBack = [&](IUnknown& from) {
        EXPECT_EQ(identityOf(from), identity);
        const Accessible back = ask<IAccessible>(from, IID_IAccessible);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(nameOf(*back), ours);
    };
    int handedOut = 0;
    for (const IID* id : {&IID_IDispatch, &IID_IEnumVARIANT, &IID_IOleWindow, &IID_IServiceProvider,
                          &IID_IAccIdentity, &IID_IMarshal}) {
        if (const Unknown other = ask(*mars, *id)) {
            ++handedOut;
            leadsBack(*other);
        }
    }
    // The enumeration, the window handle and the services, at least.
    EXPECT_GE(handedOut, 4);
    const auto children = ask<IEnumVARIANT>(*mars, IID_IEnumVARIANT);
    ASSERT_NE(children, nullptr);
    IEnumVARIANT* copy = nullptr;
    if (children->Clone(&copy) == S_OK) {  // Wine's standard object makes no copy
        leadsBack(*Unknown(copy));
    }
    // As a client of IAccessible2 or UI Automation asks for IAccessible.
    const auto services = ask<IServiceProvider>(*mars, IID_IServiceProvider);
    ASSERT_NE(services, nullptr);
    IUnknown* served = nullptr;
    ASSERT_EQ(services->QueryService(IID_IAccessible, IID_IAccessible,
                                     reinterpret_cast<void**>(&served)),
              S_OK);
    leadsBack(*Unknown(served));
}

// An allocation of the proxy's that fails, and any other error inside it,
// as the text it hands out is allocated.
BSTR WINAPI allocationFails(const OLECHAR* /*text*/) { throw std::bad_alloc(); }
BSTR WINAPI somethingFails(const OLECHAR* /*text*/) { throw std::logic_error("a fault"); }

TEST_F(Accessibility, AnErrorIsAnsweredAsAFailureNotThrownAtTheScreenReader) {
    IAccessible* standard = nullptr;
    ASSERT_EQ(CreateStdAccessibleObject(planet(0), OBJID_CLIENT, IID_IAccessible,
                                        reinterpret_cast<void**>(&standard)),
              S_OK);
    const Accessible held(standard);
    ASSERT_NE(screenReaderFunctions(), nullptr);
    for (const auto& [allocate, answer] :
         {std::pair{&allocationFails, E_OUTOFMEMORY}, std::pair{&somethingFails, E_FAIL}}) {
        ScreenReaderFunctions functions = *screenReaderFunctions();
        functions.sysAllocString = allocate;
        const Accessible proxy(
            new AccessibleProxy(planet(0), *held, described(ControlArray::Option1, 0), functions));
        BSTR text = nullptr;
        EXPECT_EQ(proxy->get_accDescription(childId(), &text), answer);
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

// The program as a screen reader in another process meets it: started on
// its own, its window found by class, its controls read through COM's
// marshalling. oleacc is loaded in it only when the first object is asked for.
class ProgramInAnotherProcess {
public:
    ProgramInAnotherProcess() {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
        std::wstring relative = widen(VELTARA_PROGRAM_FROM_TESTS);
        std::replace(relative.begin(), relative.end(), L'/', L'\\');
        path.resize(path.find_last_of(L'\\') + 1);
        path += relative;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                           &startup, &process_) == FALSE) {
            return;
        }
        WaitForInputIdle(process_.hProcess, 10000);
        for (HWND window = nullptr;
             (window = FindWindowExW(nullptr, window, kMainWindowClass, nullptr)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            form_ = owner == process_.dwProcessId ? window : form_;
        }
    }
    ~ProgramInAnotherProcess() {
        if (process_.hProcess == nullptr) {
            return;
        }
        PostMessageW(form_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.hProcess, 1);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    ProgramInAnotherProcess(const ProgramInAnotherProcess&) = delete;
    ProgramInAnotherProcess& operator=(const ProgramInAnotherProcess&) = delete;

    HWND form() const { return form_; }
    bool hasLoaded(std::wstring_view module) const {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_.dwProcessId);
        if (snapshot == INVALID_HANDLE_VALUE) {
            return false;
        }
        MODULEENTRY32W entry{};
        entry.dwSize = sizeof(entry);
        bool found = false;
        for (BOOL more = Module32FirstW(snapshot, &entry); more != FALSE && !found;
             more = Module32NextW(snapshot, &entry)) {
            found = CompareStringOrdinal(entry.szModule, -1, module.data(),
                                         static_cast<int>(module.size()), TRUE) == CSTR_EQUAL;
        }
        CloseHandle(snapshot);
        return found;
    }

private:
    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
};

TEST(ScreenReaderInAnotherProcess, ReadsAPlanetAndFindsItAtItsPlace) {
    const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        const ProgramInAnotherProcess program;
        ASSERT_NE(program.form(), nullptr);
        EXPECT_FALSE(program.hasLoaded(L"oleacc.dll"));
        const PlanetRow& mercury = kCatalogue[0];
        HWND button =
            FindWindowExW(program.form(), nullptr, L"Button", widen(mercury.name).c_str());
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(nameOf(button), mercury.name);
        EXPECT_EQ(descriptionOf(button), categoryLegend(mercury.category));
        EXPECT_TRUE(program.hasLoaded(L"oleacc.dll"));
        const auto [atPoint, child] = objectAt(centreOf(button));
        ASSERT_NE(atPoint, nullptr);
        EXPECT_EQ(nameOf(*atPoint, child), mercury.name);
        EXPECT_EQ(descriptionOf(*atPoint), categoryLegend(mercury.category));
    }
    if (SUCCEEDED(joined)) {
        CoUninitialize();
    }
}

}  // namespace
}  // namespace veltara::testing
