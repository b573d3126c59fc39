#include "accessible_proxy.h"

#include <servprov.h>

#include <memory>
#include <new>
#include <utility>

#include "control_names.h"
#include "win32_text.h"

namespace veltara {

namespace {

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT giveNumber(LONG number, VARIANT* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

// Every method a screen reader calls answers through here: an exception
// must not unwind into COM's frames and the screen reader's call, which
// would end one program or the other.
template <typename Call>
HRESULT answer(Call&& call) noexcept {
    try {
        return std::forward<Call>(call)();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

// One of the proxy's interfaces other than IAccessible: its own reference
// count, and a reference to the proxy, whose QueryInterface answers for
// every interface but its own.
template <typename Interface, const IID& kInterface>
class TearOff : public Interface {
public:
    explicit TearOff(AccessibleProxy& owner) : owner_(owner) { owner_.AddRef(); }
    virtual ~TearOff() { owner_.Release(); }
    TearOff(const TearOff&) = delete;
    TearOff& operator=(const TearOff&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object != nullptr && IsEqualIID(id, kInterface)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        return owner_.QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

protected:
    AccessibleProxy& owner() const { return owner_; }

private:
    LONG references_ = 1;
    AccessibleProxy& owner_;
};

// A tear-off over the standard object's own implementation of the interface.
template <typename Interface, const IID& kInterface>
class WrappingTearOff : public TearOff<Interface, kInterface> {
public:
    // Takes its own reference to `standard`.
    WrappingTearOff(AccessibleProxy& owner, Interface& standard)
        : TearOff<Interface, kInterface>(owner), standard_(standard) {
        standard_.AddRef();
    }
    ~WrappingTearOff() override { standard_.Release(); }
    WrappingTearOff(const WrappingTearOff&) = delete;
    WrappingTearOff& operator=(const WrappingTearOff&) = delete;

protected:
    Interface& standard() const { return standard_; }

private:
    Interface& standard_;
};

// The children, as the standard object counts them: each child window's
// own object, which its window serves, or a child's number.
class ChildEnumeration final : public WrappingTearOff<IEnumVARIANT, IID_IEnumVARIANT> {
public:
    using WrappingTearOff::WrappingTearOff;

    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return answer([&] { return standard().Next(count, children, fetched); });
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        return answer([&] { return standard().Skip(count); });
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        return answer([&] { return standard().Reset(); });
    }
    // The copy is the proxy's too. (Wine's standard object makes none.)
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        return answer([&] {
            if (copy == nullptr) {
                return E_POINTER;
            }
            *copy = nullptr;
            IEnumVARIANT* standardCopy = nullptr;
            const HRESULT cloned = standard().Clone(&standardCopy);
            if (FAILED(cloned) || standardCopy == nullptr) {
                return FAILED(cloned) ? cloned : E_FAIL;
            }
            const std::unique_ptr<IEnumVARIANT, Releaser> held(standardCopy);
            *copy = new ChildEnumeration(owner(), *held);
            return S_OK;
        });
    }
};

class WindowHandle final : public WrappingTearOff<IOleWindow, IID_IOleWindow> {
public:
    using WrappingTearOff::WrappingTearOff;

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        return answer([&] { return standard().GetWindow(window); });
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return answer([&] { return standard().ContextSensitiveHelp(enter); });
    }
};

// The string by which Windows tells accessible objects apart: the window,
// the object and the child, the same for the proxy as for the standard
// object it stands for. Wine's standard object (8 and 10) has none, and
// the proxy then refuses it too.
class Identity final : public WrappingTearOff<IAccIdentity, IID_IAccIdentity> {
public:
    using WrappingTearOff::WrappingTearOff;

    HRESULT STDMETHODCALLTYPE GetIdentityString(DWORD child, BYTE** identity,
                                                DWORD* length) override {
        return answer([&] { return standard().GetIdentityString(child, identity, length); });
    }
};

// The one service offered is IAccessible, the proxy itself, through which
// clients of IAccessible2 and UI Automation ask for an object's IAccessible.
// The standard object's other services are not: each would hand out the
// standard object, or tell a client that the object is oleacc's own plain
// one, to be read without our names.
class Services final : public TearOff<IServiceProvider, IID_IServiceProvider> {
public:
    using TearOff::TearOff;

    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID id, void** object) override {
        return answer([&] {
            if (IsEqualGUID(service, IID_IAccessible)) {
                return owner().QueryInterface(id, object);
            }
            if (object != nullptr) {
                *object = nullptr;
            }
            return E_NOINTERFACE;
        });
    }
};

// The standard object's implementation of the interface, wrapped; its
// refusal where it has none.
template <typename Wrapper, typename Interface>
HRESULT wrapStandard(AccessibleProxy& owner, IAccessible& standard, REFIID id, void** object) {
    Interface* found = nullptr;
    const HRESULT asked = standard.QueryInterface(id, reinterpret_cast<void**>(&found));
    if (FAILED(asked) || found == nullptr) {
        return FAILED(asked) ? asked : E_NOINTERFACE;
    }
    const std::unique_ptr<Interface, Releaser> held(found);
    *object = static_cast<Interface*>(new Wrapper(owner, *held));
    return S_OK;
}

}  // namespace

AccessibleProxy::AccessibleProxy(HWND window, IAccessible& standard,
                                 const ControlDescription& control,
                                 const ScreenReaderFunctions& functions)
    : window_(window), standard_(standard), control_(control), functions_(functions) {
    standard_.AddRef();
}

AccessibleProxy::~AccessibleProxy() { standard_.Release(); }

HRESULT AccessibleProxy::giveText(const std::wstring& text, BSTR* out) const {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = functions_.sysAllocString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

bool AccessibleProxy::isVerdict(const VARIANT& child) const {
    return control_.isMessageArea() && child.vt == VT_I4 && child.lVal == kVerdictChild;
}

std::wstring AccessibleProxy::ownName() const {
    if (control_.kind == ControlKind::OptionButton) {
        return widen(spokenPlanetName(control_, narrow(windowText(window_))));
    }
    return widen(control_.accessibleName);
}

void AccessibleProxy::hitBeneath(POINT at, VARIANT& child) const {
    // The hit test comes in on the window's own thread, where the window
    // can be asked as the system asks it for the mouse.
    if (SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) != HTTRANSPARENT) {
        return;
    }
    // The windows below it in its parent, from the nearest down, as the
    // mouse would pass on to them.
    for (HWND below = GetWindow(window_, GW_HWNDNEXT); below != nullptr;
         below = GetWindow(below, GW_HWNDNEXT)) {
        RECT place{};
        if (IsWindowVisible(below) == FALSE || GetWindowRect(below, &place) == FALSE ||
            PtInRect(&place, at) == FALSE) {
            continue;
        }
        IDispatch* object = nullptr;
        if (FAILED(functions_.accessibleObjectFromWindow(below, static_cast<DWORD>(OBJID_WINDOW),
                                                         IID_IDispatch,
                                                         reinterpret_cast<void**>(&object))) ||
            object == nullptr) {
            return;
        }
        child.vt = VT_DISPATCH;  // in place of the standard object's number
        child.pdispVal = object;
        return;
    }
}

HRESULT AccessibleProxy::QueryInterface(REFIID id, void** object) {
    return answer([&] {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
            IsEqualIID(id, IID_IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (IsEqualIID(id, IID_IServiceProvider)) {
            *object = static_cast<IServiceProvider*>(new Services(*this));
            return S_OK;
        }
        if (IsEqualIID(id, IID_IEnumVARIANT)) {
            return wrapStandard<ChildEnumeration, IEnumVARIANT>(*this, standard_, id, object);
        }
        if (IsEqualIID(id, IID_IOleWindow)) {
            return wrapStandard<WindowHandle, IOleWindow>(*this, standard_, id, object);
        }
        if (IsEqualIID(id, IID_IAccIdentity)) {
            return wrapStandard<Identity, IAccIdentity>(*this, standard_, id, object);
        }
        return E_NOINTERFACE;
    });
}

ULONG AccessibleProxy::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG AccessibleProxy::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT AccessibleProxy::GetTypeInfoCount(UINT* count) {
    return answer([&] { return standard_.GetTypeInfoCount(count); });
}

HRESULT AccessibleProxy::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return answer([&] { return standard_.GetTypeInfo(index, locale, info); });
}

HRESULT AccessibleProxy::GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                       DISPID* ids) {
    return answer([&] { return standard_.GetIDsOfNames(id, names, count, locale, ids); });
}

HRESULT AccessibleProxy::Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                UINT* argumentError) {
    return answer([&] {
        // Through the description of IAccessible that the standard object
        // has, onto our own methods: a client that calls by number reads
        // our names too. Wine's standard object (8 and 10) has none, and
        // answers E_NOTIMPL to every call of IDispatch, as the proxy then
        // does.
        if (!IsEqualIID(id, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        ITypeInfo* type = nullptr;
        const HRESULT described = standard_.GetTypeInfo(0, locale, &type);
        if (FAILED(described) || type == nullptr) {
            return FAILED(described) ? described : E_NOTIMPL;
        }
        const std::unique_ptr<ITypeInfo, Releaser> held(type);
        return held->Invoke(static_cast<IAccessible*>(this), member, flags, parameters, result,
                            exception, argumentError);
    });
}

HRESULT AccessibleProxy::get_accParent(IDispatch** parent) {
    return answer([&] { return standard_.get_accParent(parent); });
}

HRESULT AccessibleProxy::get_accChildCount(LONG* count) {
    return answer([&] { return standard_.get_accChildCount(count); });
}

HRESULT AccessibleProxy::get_accChild(VARIANT child, IDispatch** object) {
    return answer([&] {
        if (isVerdict(child)) {
            if (object != nullptr) {
                *object = nullptr;
            }
            return S_FALSE;  // a simple element, answered for by its parent
        }
        return standard_.get_accChild(child, object);
    });
}

HRESULT AccessibleProxy::get_accName(VARIANT child, BSTR* name) {
    return answer([&] {
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
    });
}

HRESULT AccessibleProxy::get_accValue(VARIANT child, BSTR* value) {
    return answer([&] { return standard_.get_accValue(child, value); });
}

HRESULT AccessibleProxy::get_accDescription(VARIANT child, BSTR* description) {
    return answer([&] {
        if (isSelf(child) && !control_.accessibleDescription.empty()) {
            return giveText(widen(control_.accessibleDescription), description);
        }
        return standard_.get_accDescription(child, description);
    });
}

HRESULT AccessibleProxy::get_accRole(VARIANT child, VARIANT* role) {
    return answer([&] {
        if (isVerdict(child)) {
            return giveNumber(ROLE_SYSTEM_ALERT, role);
        }
        return standard_.get_accRole(child, role);
    });
}

HRESULT AccessibleProxy::get_accState(VARIANT child, VARIANT* state) {
    return answer([&] {
        if (isVerdict(child)) {
            return giveNumber(STATE_SYSTEM_READONLY, state);
        }
        return standard_.get_accState(child, state);
    });
}

HRESULT AccessibleProxy::get_accHelp(VARIANT child, BSTR* help) {
    return answer([&] { return standard_.get_accHelp(child, help); });
}

HRESULT AccessibleProxy::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return answer([&] { return standard_.get_accHelpTopic(file, child, topic); });
}

HRESULT AccessibleProxy::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return answer([&] { return standard_.get_accKeyboardShortcut(child, shortcut); });
}

HRESULT AccessibleProxy::get_accFocus(VARIANT* focus) {
    return answer([&] { return standard_.get_accFocus(focus); });
}

HRESULT AccessibleProxy::get_accSelection(VARIANT* selection) {
    return answer([&] { return standard_.get_accSelection(selection); });
}

HRESULT AccessibleProxy::get_accDefaultAction(VARIANT child, BSTR* action) {
    return answer([&] { return standard_.get_accDefaultAction(child, action); });
}

HRESULT AccessibleProxy::accSelect(LONG flags, VARIANT child) {
    return answer([&] { return standard_.accSelect(flags, child); });
}

HRESULT AccessibleProxy::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                     VARIANT child) {
    return answer([&] {
        if (isVerdict(child)) {
            // The verdict stands where the message area does.
            VARIANT self{};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            return standard_.accLocation(left, top, width, height, self);
        }
        return standard_.accLocation(left, top, width, height, child);
    });
}

HRESULT AccessibleProxy::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return answer([&] { return standard_.accNavigate(direction, start, end); });
}

HRESULT AccessibleProxy::accHitTest(LONG left, LONG top, VARIANT* child) {
    return answer([&] {
        const HRESULT hit = standard_.accHitTest(left, top, child);
        if (hit == S_OK && child != nullptr && isSelf(*child)) {
            hitBeneath(POINT{left, top}, *child);
        }
        return hit;
    });
}

HRESULT AccessibleProxy::accDoDefaultAction(VARIANT child) {
    return answer([&] { return standard_.accDoDefaultAction(child); });
}

HRESULT AccessibleProxy::put_accName(VARIANT child, BSTR name) {
    return answer([&] { return standard_.put_accName(child, name); });
}

HRESULT AccessibleProxy::put_accValue(VARIANT child, BSTR value) {
    return answer([&] { return standard_.put_accValue(child, value); });
}

}  // namespace veltara
