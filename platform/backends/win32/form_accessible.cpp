#include "platform/backends/win32/form_accessible.h"

#include "platform/backends/win32/win32_text.h"

namespace ombrelk {

namespace {

const Label* AsLabel(const Control& control) {
  return control.Kind() == ControlKind::Label ? static_cast<const Label*>(&control) : nullptr;
}

RECT ScreenRect(HWND window, RECT r) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

std::vector<const Control*> FormAccessible::Children() const {
  const std::vector<Control*>& order =
      form_.reading_order.empty() ? form_.controls : form_.reading_order;
  std::vector<const Control*> children;
  for (const Control* control : order) {
    if (!control->Visible() || !control->AccessibleShown()) continue;
    if (peers_.WindowOf(*control) != nullptr ||
        (AsLabel(*control) != nullptr && !control->AccessibleName().empty())) {
      children.push_back(control);
    }
  }
  return children;
}

long FormAccessible::ChildId(const Control& control) const {
  const std::vector<const Control*> children = Children();
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (children[i] == &control) return static_cast<long>(i + 1);
  }
  return 0;
}

HWND FormAccessible::ChildWindow(long id) const {
  return peers_.WindowOf(Child(id));
}

std::wstring FormAccessible::Name(long id) const {
  if (id == CHILDID_SELF) return Wide(form_.Caption());
  return Wide(Child(id).AccessibleName());
}

long FormAccessible::Role(long id) const {
  if (id == CHILDID_SELF) {
    return form_.border_style == BorderStyle::FixedDialog ? ROLE_SYSTEM_DIALOG : ROLE_SYSTEM_CLIENT;
  }
  const Label* label = AsLabel(Child(id));
  if (label == nullptr) return ROLE_SYSTEM_CLIENT;  // a window of its own says what it is
  // A label that shows the hand over it opens something: the home page.
  return label->mouse_pointer ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT;
}

long FormAccessible::State(long id) const {
  if (id == CHILDID_SELF) {
    long state = STATE_SYSTEM_FOCUSABLE;
    if (!IsWindowVisible(window())) state |= STATE_SYSTEM_INVISIBLE;
    if (GetFocus() == window()) state |= STATE_SYSTEM_FOCUSED;
    return state;
  }
  const Label* label = AsLabel(Child(id));
  if (label != nullptr && label->mouse_pointer) return STATE_SYSTEM_LINKED;
  return STATE_SYSTEM_READONLY;
}

RECT FormAccessible::Location(long id) const {
  if (id == CHILDID_SELF) {
    RECT client{};
    GetClientRect(window(), &client);
    return ScreenRect(window(), client);
  }
  const Control& control = Child(id);
  if (HWND w = peers_.WindowOf(control)) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
  }
  return ScreenRect(window(), units_.PixelRect(control.Bounds()));
}

}  // namespace ombrelk
