#include "platform/backends/win32/accessible_object.h"

// The interface's id is taken from its declaration (__uuidof), not from
// IID_IAccessible: both oleacc's and uuid's import libraries define that
// symbol, and linking both (uuid for the shell's link object) clashes.

namespace ombrelk {

namespace {

// What a reader gets from a dead object, as from a window that is gone.
constexpr HRESULT kGone = CO_E_OBJNOTCONNECTED;

HRESULT PutText(const std::wstring& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

bool Holds(const RECT& r, long x, long y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

}  // namespace

bool AccessibleObject::Answers(LPARAM lparam) const {
  // The object id comes in the low 32 bits, also in a 64-bit program.
  return static_cast<LONG>(static_cast<DWORD>(lparam)) == OBJID_CLIENT && connected_;
}

LRESULT AccessibleObject::Answer(WPARAM wparam) {
  return LresultFromObject(__uuidof(IAccessible), wparam, this);
}

void AccessibleObject::Disconnect() {
  if (!connected_) return;
  connected_ = false;
  // Readers in other processes lose their proxies now, not when they let go.
  CoDisconnectObject(this, 0);
}

HRESULT AccessibleObject::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG AccessibleObject::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (count != nullptr) *count = 0;
  return E_NOTIMPL;
}
HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info != nullptr) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
  return E_NOTIMPL;
}

long AccessibleObject::IdOf(const VARIANT& child) const {
  if (child.vt != VT_I4) return -1;
  const long id = child.lVal;
  return id >= 0 && id <= ChildCount() ? id : -1;
}

void AccessibleObject::PutChild(long id, VARIANT* out) const {
  VariantInit(out);
  if (HWND w = id > 0 ? ChildWindow(id) : nullptr) {
    IDispatch* object = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                             reinterpret_cast<void**>(&object))) &&
        object != nullptr) {
      out->vt = VT_DISPATCH;
      out->pdispVal = object;
      return;
    }
  }
  out->vt = VT_I4;
  out->lVal = id;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (parent == nullptr) return E_POINTER;
  *parent = nullptr;
  if (!connected_) return kGone;
  // The client area's parent is its window, as with Windows' own objects.
  return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(parent));
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;
  if (!connected_) return kGone;
  *count = ChildCount();
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!connected_) return kGone;
  const long id = IdOf(child);
  if (id <= 0) return E_INVALIDARG;
  HWND w = ChildWindow(id);
  // S_FALSE: a child drawn by this window, which the reader asks by its id.
  if (w == nullptr) return S_FALSE;
  return AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                    reinterpret_cast<void**>(object));
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  if (name != nullptr) *name = nullptr;
  if (!connected_) return kGone;
  const long id = IdOf(child);
  return id < 0 ? E_INVALIDARG : PutText(Name(id), name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  if (value != nullptr) *value = nullptr;
  if (!connected_) return kGone;
  const long id = IdOf(child);
  return id < 0 ? E_INVALIDARG : PutText(Value(id), value);
}

HRESULT AccessibleObject::get_accDescription(VARIANT, BSTR* description) {
  return PutText({}, description);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (role == nullptr) return E_POINTER;
  VariantInit(role);
  if (!connected_) return kGone;
  const long id = IdOf(child);
  if (id < 0) return E_INVALIDARG;
  role->vt = VT_I4;
  role->lVal = Role(id);
  return S_OK;
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (state == nullptr) return E_POINTER;
  VariantInit(state);
  if (!connected_) return kGone;
  const long id = IdOf(child);
  if (id < 0) return E_INVALIDARG;
  state->vt = VT_I4;
  state->lVal = State(id);
  return S_OK;
}

HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) {
  return PutText({}, help);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file != nullptr) *file = nullptr;
  if (topic != nullptr) *topic = -1;
  return S_FALSE;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  return PutText({}, shortcut);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
  if (child == nullptr) return E_POINTER;
  VariantInit(child);
  if (!connected_) return kGone;
  HWND focus = GetFocus();
  if (focus == window_) {
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    return S_OK;
  }
  for (long id = 1; id <= ChildCount(); ++id) {
    if (focus != nullptr && ChildWindow(id) == focus) {
      PutChild(id, child);
      return S_OK;
    }
  }
  return S_FALSE;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
  if (children != nullptr) VariantInit(children);
  return connected_ ? S_FALSE : kGone;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT, BSTR* action) {
  return PutText({}, action);
}

HRESULT AccessibleObject::accSelect(long, VARIANT) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
  *left = *top = *width = *height = 0;
  if (!connected_) return kGone;
  const long id = IdOf(child);
  if (id < 0) return E_INVALIDARG;
  const RECT r = Location(id);
  *left = r.left;
  *top = r.top;
  *width = r.right - r.left;
  *height = r.bottom - r.top;
  return S_OK;
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (end == nullptr) return E_POINTER;
  VariantInit(end);
  if (!connected_) return kGone;
  const long from = IdOf(start);
  if (from < 0) return E_INVALIDARG;
  const long count = ChildCount();
  long to = 0;
  switch (direction) {
    case NAVDIR_FIRSTCHILD:
      to = from == 0 && count > 0 ? 1 : 0;
      break;
    case NAVDIR_LASTCHILD:
      to = from == 0 ? count : 0;
      break;
    case NAVDIR_NEXT:
      to = from > 0 && from < count ? from + 1 : 0;
      break;
    case NAVDIR_PREVIOUS:
      to = from > 1 ? from - 1 : 0;
      break;
    default:
      // Spatial directions, and the object's own siblings: its window's business.
      return from == 0 ? DISP_E_MEMBERNOTFOUND : S_FALSE;
  }
  if (to == 0) return S_FALSE;
  PutChild(to, end);
  return S_OK;
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
  if (child == nullptr) return E_POINTER;
  VariantInit(child);
  if (!connected_) return kGone;
  if (!Holds(Location(CHILDID_SELF), x, y)) return S_FALSE;
  // The last in reading order wins: the controls come after the grid they lie on.
  long found = CHILDID_SELF;
  for (long id = 1; id <= ChildCount(); ++id) {
    if (Holds(Location(id), x, y)) found = id;
  }
  PutChild(found, child);
  return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT) {
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) {
  return E_NOTIMPL;
}

}  // namespace ombrelk
