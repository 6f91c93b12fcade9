#include "win/link_object.h"

#include <objbase.h>
#include <oleacc.h>

#include "win/handles.h"

namespace pelkor::win {
namespace {

using AllocString = decltype(::SysAllocString);

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The standard object of the label, asked for everything but what makes it a link.
// None of its other interfaces is handed out: its IServiceProvider says it is the
// system's own proxy, which UI Automation then reads as plain text, and its IUnknown
// would not be this object's. Without IEnumVARIANT, clients count and fetch the
// children through IAccessible, which the standard object answers.
class LinkAccessible final : public IAccessible, public IOleWindow {
public:
    LinkAccessible(HWND link, IAccessible* standard, ITypeInfo* type, AllocString* alloc, Language language)
        : link_(link), standard_(standard), type_(type), alloc_(alloc), language_(language) {
        if (type) type->AddRef();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (riid == __uuidof(IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleWindow: how a client finds the window of an accessible object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = link_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch: IAccessible's own type information, invoked on this object, so that a
    // late-bound client gets the link's answers too. Without the type library, none.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = type_ ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0 || !type_) return DISP_E_BADINDEX;
        *info = type_.get();
        (*info)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        if (type_) return type_.get()->GetIDsOfNames(names, count, ids);
        for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override {
        if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        if (!type_) return DISP_E_MEMBERNOTFOUND;
        return type_.get()->Invoke(static_cast<IAccessible*>(this), id, flags, params, result, exception, argError);
    }

    // IAccessible: what differs for a link.
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return Std()->get_accRole(child, role);
        if (!role) return E_POINTER;
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_LINK;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = Std()->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state && state->vt == VT_I4) {
            state->lVal |= STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!IsSelf(child)) return Std()->get_accDefaultAction(child, action);
        if (!action) return E_POINTER;
        // The word Windows gives its own links in the rendition's language.
        *action = alloc_(language_ == Language::Japanese ? L"ジャンプ" : L"Jump");
        return *action ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return Std()->accDoDefaultAction(child);
        // Posted, so that the caller has its answer before the page opens.
        HWND parent = ::GetParent(link_);
        if (!parent) return E_FAIL;
        ::PostMessageW(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(link_), STN_CLICKED),
                       reinterpret_cast<LPARAM>(link_));
        return S_OK;
    }

    // IAccessible: as the standard object answers (the name is the label's text).
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return Std()->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return Std()->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return Std()->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Std()->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Std()->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Std()->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Std()->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return Std()->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return Std()->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return Std()->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override { return Std()->get_accSelection(children); }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return Std()->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return Std()->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return Std()->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return Std()->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return Std()->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Std()->put_accValue(child, value);
    }

private:
    ~LinkAccessible() = default;
    IAccessible* Std() const { return standard_.get(); }

    LONG references_ = 1;
    HWND link_;
    UniqueCom<IAccessible> standard_;
    UniqueCom<ITypeInfo> type_;
    AllocString* alloc_;
    Language language_;
};

// oleacc's type library, which the SDK's import library names LIBID_Accessibility.
constexpr GUID kAccessibilityLibrary = {0x1ea4dbf0, 0x3c3b, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

}  // namespace

LinkObject::~LinkObject() {
    // The type information goes before COM is left.
    accessibleType_.reset();
    if (!comEntered_) return;
    if (const auto leave = ole32_.Get<decltype(::CoUninitialize)>("CoUninitialize")) leave();
}

LRESULT LinkObject::Answer(HWND link, WPARAM wParam, Language language) {
    const auto standard = oleacc_.Get<decltype(::CreateStdAccessibleObject)>("CreateStdAccessibleObject");
    const auto toResult = oleacc_.Get<decltype(::LresultFromObject)>("LresultFromObject");
    const auto alloc = oleaut32_.Get<AllocString>("SysAllocString");
    if (!standard || !toResult || !alloc) return 0;
    if (!comTried_) {
        comTried_ = true;
        const auto enter = ole32_.Get<decltype(::CoInitializeEx)>("CoInitializeEx");
        comEntered_ = enter && SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    IAccessible* made = nullptr;
    if (FAILED(standard(link, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&made))) || !made) return 0;
    UniqueCom<IAccessible> object(new LinkAccessible(link, made, AccessibleType(), alloc, language));
    // The result holds a reference of its own, handed to the client.
    const LRESULT result = toResult(__uuidof(IAccessible), wParam, object.get());
    return result > 0 ? result : 0;
}

ITypeInfo* LinkObject::AccessibleType() {
    if (typeTried_) return accessibleType_.get();
    typeTried_ = true;
    const auto load = oleaut32_.Get<decltype(::LoadRegTypeLib)>("LoadRegTypeLib");
    ITypeLib* made = nullptr;
    if (!load || FAILED(load(kAccessibilityLibrary, 1, 1, 0, &made)) || !made) return nullptr;
    const UniqueCom<ITypeLib> library(made);
    ITypeInfo* info = nullptr;
    if (SUCCEEDED(library.get()->GetTypeInfoOfGuid(__uuidof(IAccessible), &info))) accessibleType_.reset(info);
    return accessibleType_.get();
}

}  // namespace pelkor::win
