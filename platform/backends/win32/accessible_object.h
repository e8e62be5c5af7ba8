#pragma once

#include "platform/backends/win32/win32_api.h"

// After windows.h: COM and the accessibility interfaces, which the lean
// windows.h leaves out.
#include <ole2.h>
#include <oleacc.h>

#include <string>

namespace ombrelk {

// An IAccessible that a screen reader reaches through WM_GETOBJECT. This part
// is the COM plumbing and the rules every answer follows (which child ids
// exist, how a child that is a window of its own is handed out); what a child
// is called, what it is and where it lies the kinds below say. Child id 0 is
// the object itself; 1..ChildCount() its children in reading order. A child
// with a window of its own is handed out as that window's object, so that
// the reader asks the window itself.
//
// The object outlives its window if a reader still holds it: Disconnect()
// cuts it off from the window and the model (and from readers in other
// processes), after which every question fails as on a dead window.
class AccessibleObject : public IAccessible {
 public:
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // Answers WM_GETOBJECT for the window's client area (OBJID_CLIENT); any
  // other object is left to the default handling.
  bool Answers(LPARAM lparam) const;
  LRESULT Answer(WPARAM wparam);
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: readers call the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 protected:
  explicit AccessibleObject(HWND window) : window_(window) {}
  virtual ~AccessibleObject() = default;

  HWND window() const { return window_; }

  // What the kinds answer; id 0 is the object itself, the others lie in
  // 1..ChildCount(). They are asked only while the object is connected.
  virtual long ChildCount() const { return 0; }
  // The child's own window, or null for one drawn by the parent.
  virtual HWND ChildWindow(long /*id*/) const { return nullptr; }
  virtual std::wstring Name(long id) const = 0;
  virtual std::wstring Value(long /*id*/) const { return {}; }
  virtual long Role(long id) const = 0;
  virtual long State(long id) const = 0;
  // In screen pixels.
  virtual RECT Location(long id) const = 0;

 private:
  // The id a VARIANT names, or -1 for none this object has.
  long IdOf(const VARIANT& child) const;
  // A child id as a reader takes it: the child's own window object, or the id.
  void PutChild(long id, VARIANT* out) const;

  HWND window_;
  LONG references_ = 1;
  bool connected_ = true;
};

}  // namespace ombrelk
