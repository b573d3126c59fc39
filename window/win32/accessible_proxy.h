// A control's accessible object as a screen reader asks for it: the
// system's standard object for the control, with the name and description
// that the window's description gives it where the control's own text says
// nothing. The message area also answers for child 1, the verdict, as an
// alert, so that the alert raised when a verdict is written reads it.
//
// It is one COM object: every interface it hands out answers
// QueryInterface with the proxy's own, so that a screen reader that comes
// to IAccessible from another of them (the enumeration of children, the
// window handle, IServiceProvider) still reads our names. Those the
// standard object implements are small wrappers over the standard's; an
// interface none of them wraps is refused, rather than handing out the
// standard object behind our back. No method lets an exception out into
// the screen reader's call.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "main_form_description.h"
#include "screen_reader_functions.h"

namespace veltara {

// The child of the message area that stands for its verdict.
constexpr LONG kVerdictChild = 1;

class AccessibleProxy final : public IAccessible {
public:
    // Takes its own reference to the standard object; hands its texts out
    // through the system's SysAllocString, and the objects of the windows
    // beneath it through its AccessibleObjectFromWindow, as `functions` has
    // them (which outlive the proxy).
    AccessibleProxy(HWND window, IAccessible& standard, const ControlDescription& control,
                    const ScreenReaderFunctions& functions);
    ~AccessibleProxy();
    AccessibleProxy(const AccessibleProxy&) = delete;
    AccessibleProxy& operator=(const AccessibleProxy&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch, with the standard object's description of IAccessible
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    // IAccessible: name, description and the verdict's role and state are
    // ours; everything else is the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    bool isVerdict(const VARIANT& child) const;
    HRESULT giveText(const std::wstring& text, BSTR* out) const;
    // Where the window lets the mouse through to a window beneath it (the
    // group box over the planet buttons), `child` becomes that window's
    // object, as the standard object gives a child window's.
    void hitBeneath(POINT at, VARIANT& child) const;
    // Our own name for the control; empty where the standard one holds.
    std::wstring ownName() const;

    LONG references_ = 1;
    HWND window_;
    IAccessible& standard_;
    const ControlDescription& control_;
    const ScreenReaderFunctions& functions_;
};

}  // namespace veltara
