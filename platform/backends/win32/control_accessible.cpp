#include "platform/backends/win32/control_accessible.h"

#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

namespace {

// The control itself, without children: a reader takes a button or a closed
// list as one thing.
class WindowedControlObject : public AccessibleObject {
 public:
  WindowedControlObject(HWND window, const Control& control, long role)
      : AccessibleObject(window), control_(control), role_(role) {}

 protected:
  std::wstring Name(long) const override { return Wide(control_.AccessibleName()); }
  // A list's value is the entry it shows, which its window text holds.
  std::wstring Value(long) const override {
    if (role_ != ROLE_SYSTEM_COMBOBOX) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window(), text.data(), static_cast<int>(text.size()))));
    return text;
  }
  long Role(long) const override { return role_; }
  long State(long) const override {
    long state = STATE_SYSTEM_FOCUSABLE;
    if (!IsWindowVisible(window())) state |= STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(window())) state |= STATE_SYSTEM_UNAVAILABLE;
    if (GetFocus() == window()) state |= STATE_SYSTEM_FOCUSED;
    return state;
  }
  RECT Location(long) const override {
    RECT r{};
    GetWindowRect(window(), &r);
    return r;
  }

 private:
  const Control& control_;
  long role_;
};

constexpr UINT_PTR kSubclassId = 0x0ACC;

}  // namespace

ControlAccessible::ControlAccessible(HWND window, const Control& control, long role)
    : window_(window), object_(new WindowedControlObject(window, control, role)) {
  SetWindowSubclass(window_, &ControlAccessible::Subclass, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
}

ControlAccessible::~ControlAccessible() {
  Release();
}

void ControlAccessible::Release() {
  if (object_ == nullptr) return;
  RemoveWindowSubclass(window_, &ControlAccessible::Subclass, kSubclassId);
  object_->Disconnect();
  object_->Release();
  object_ = nullptr;
}

void ControlAccessible::NameChanged() const {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK ControlAccessible::Subclass(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam, UINT_PTR, DWORD_PTR self) {
  auto* hook = reinterpret_cast<ControlAccessible*>(self);
  if (message == WM_GETOBJECT && hook->object_->Answers(lparam)) {
    return hook->object_->Answer(wparam);
  }
  if (message == WM_NCDESTROY) {
    // The window went before its control's widget: no reader reaches it now.
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    hook->Release();
    return result;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace ombrelk
