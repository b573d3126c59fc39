#include "accessible_proxy.h"

#include "control_names.h"
#include "win32_text.h"

namespace veltara {

namespace {

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

AccessibleProxy::AccessibleProxy(HWND window, IAccessible& standard,
                                 const ControlDescription& control,
                                 decltype(&SysAllocString) allocateText)
    : window_(window), standard_(standard), control_(control), allocateText_(allocateText) {
    standard_.AddRef();
}

HRESULT AccessibleProxy::giveText(const std::wstring& text, BSTR* out) const {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = allocateText_(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

AccessibleProxy::~AccessibleProxy() { standard_.Release(); }

bool AccessibleProxy::isVerdict(const VARIANT& child) const {
    return control_.isMessageArea() && child.vt == VT_I4 && child.lVal == kVerdictChild;
}

std::wstring AccessibleProxy::ownName() const {
    if (control_.kind == ControlKind::OptionButton) {
        return widen(spokenPlanetName(control_, narrow(windowText(window_))));
    }
    return widen(control_.accessibleName);
}

HRESULT AccessibleProxy::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
        IsEqualIID(id, IID_IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    // The window handle, the children's enumeration and the like.
    return standard_.QueryInterface(id, object);
}

ULONG AccessibleProxy::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleProxy::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleProxy::GetTypeInfoCount(UINT* count) { return standard_.GetTypeInfoCount(count); }

HRESULT AccessibleProxy::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return standard_.GetTypeInfo(index, locale, info);
}

HRESULT AccessibleProxy::GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                       DISPID* ids) {
    return standard_.GetIDsOfNames(id, names, count, locale, ids);
}

HRESULT AccessibleProxy::Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                UINT* argumentError) {
    return standard_.Invoke(member, id, locale, flags, parameters, result, exception,
                            argumentError);
}

HRESULT AccessibleProxy::get_accParent(IDispatch** parent) { return standard_.get_accParent(parent); }

HRESULT AccessibleProxy::get_accChildCount(LONG* count) { return standard_.get_accChildCount(count); }

HRESULT AccessibleProxy::get_accChild(VARIANT child, IDispatch** object) {
    if (isVerdict(child)) {
        if (object != nullptr) {
            *object = nullptr;
        }
        return S_FALSE;  // a simple element, answered for by its parent
    }
    return standard_.get_accChild(child, object);
}

HRESULT AccessibleProxy::get_accName(VARIANT child, BSTR* name) {
    if (isVerdict(child)) {
        return giveText(windowText(window_), name);
    }
    if (isSelf(child) && IsWindow(window_) != FALSE) {
        const std::wstring own = ownName();
        if (!own.empty()) {
            return giveText(own, name);
        }
    }
    return standard_.get_accName(child, name);
}

HRESULT AccessibleProxy::get_accValue(VARIANT child, BSTR* value) {
    return standard_.get_accValue(child, value);
}

HRESULT AccessibleProxy::get_accDescription(VARIANT child, BSTR* description) {
    if (isSelf(child) && !control_.accessibleDescription.empty()) {
        return giveText(widen(control_.accessibleDescription), description);
    }
    return standard_.get_accDescription(child, description);
}

HRESULT AccessibleProxy::get_accRole(VARIANT child, VARIANT* role) {
    if (isVerdict(child)) {
        if (role == nullptr) {
            return E_POINTER;
        }
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_ALERT;
        return S_OK;
    }
    return standard_.get_accRole(child, role);
}

HRESULT AccessibleProxy::get_accState(VARIANT child, VARIANT* state) {
    if (isVerdict(child)) {
        if (state == nullptr) {
            return E_POINTER;
        }
        state->vt = VT_I4;
        state->lVal = STATE_SYSTEM_READONLY;
        return S_OK;
    }
    return standard_.get_accState(child, state);
}

HRESULT AccessibleProxy::get_accHelp(VARIANT child, BSTR* help) {
    return standard_.get_accHelp(child, help);
}

HRESULT AccessibleProxy::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return standard_.get_accHelpTopic(file, child, topic);
}

HRESULT AccessibleProxy::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return standard_.get_accKeyboardShortcut(child, shortcut);
}

HRESULT AccessibleProxy::get_accFocus(VARIANT* focus) { return standard_.get_accFocus(focus); }

HRESULT AccessibleProxy::get_accSelection(VARIANT* selection) {
    return standard_.get_accSelection(selection);
}

HRESULT AccessibleProxy::get_accDefaultAction(VARIANT child, BSTR* action) {
    return standard_.get_accDefaultAction(child, action);
}

HRESULT AccessibleProxy::accSelect(LONG flags, VARIANT child) {
    return standard_.accSelect(flags, child);
}

HRESULT AccessibleProxy::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                     VARIANT child) {
    if (isVerdict(child)) {
        // The verdict stands where the message area does.
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        return standard_.accLocation(left, top, width, height, self);
    }
    return standard_.accLocation(left, top, width, height, child);
}

HRESULT AccessibleProxy::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return standard_.accNavigate(direction, start, end);
}

HRESULT AccessibleProxy::accHitTest(LONG left, LONG top, VARIANT* child) {
    return standard_.accHitTest(left, top, child);
}

HRESULT AccessibleProxy::accDoDefaultAction(VARIANT child) {
    return standard_.accDoDefaultAction(child);
}

HRESULT AccessibleProxy::put_accName(VARIANT child, BSTR name) {
    return standard_.put_accName(child, name);
}

HRESULT AccessibleProxy::put_accValue(VARIANT child, BSTR value) {
    return standard_.put_accValue(child, value);
}

}  // namespace veltara
