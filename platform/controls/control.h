#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace ombrelk {

// What changed on a control, so that a backend widget can mirror just that.
enum class Property {
  Caption,
  ForeColor,
  Geometry,
  Visible,
  WindowState,
  ListIndex,
  Checked,
  Enabled,
  Focus,
  ToolTipText,
  AccessibleName,
  AccessibleShown,
};

// A backend widget that mirrors one control. The control model is the truth: a
// backend reads the control back when it is told that a property changed.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void PropertyChanged(Property what) = 0;
};

enum class ControlKind {
  Form,
  Label,
  PictureButton,
  CommandButton,
  ComboBox,
  Line,
  PictureBox,
  MenuItem,
};

// Colours are 0xBBGGRR, as the forms toolkit stores them.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kDarkRed = 0x0000C0;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kYellow = 0x00FFFF;

constexpr int ColourRed(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int ColourGreen(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int ColourBlue(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

struct Font {
  std::string name;
  float size_pt = 9.0F;
  int weight = 400;
  int charset = 0;  // 128 = Shift-JIS
  bool italic = false;
  bool underline = false;
};

// Position and size in twips (1/1440 inch), relative to the owner's client area.
struct Rect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

// The common part of every control: identity, geometry, visibility and the
// optional peer. Setters notify the peer only when a value really changes, so a
// backend that writes a user's change back into the model never echoes it.
class Control {
 public:
  Control(ControlKind kind, std::string name, int index = -1)
      : kind_(kind), name_(std::move(name)), index_(index) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  // Index within a control array, -1 for a control that is not in one.
  int Index() const { return index_; }

  void AttachPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* Peer() const { return peer_; }

  const Rect& Bounds() const { return bounds_; }
  float Left() const { return bounds_.left; }
  float Top() const { return bounds_.top; }
  float Width() const { return bounds_.width; }
  float Height() const { return bounds_.height; }
  void Move(Rect r);
  void SetLeft(float v) { Move({v, bounds_.top, bounds_.width, bounds_.height}); }
  void SetTop(float v) { Move({bounds_.left, v, bounds_.width, bounds_.height}); }
  void SetWidth(float v) { Move({bounds_.left, bounds_.top, v, bounds_.height}); }
  void SetHeight(float v) { Move({bounds_.left, bounds_.top, bounds_.width, v}); }

  bool Visible() const { return visible_; }
  void SetVisible(bool v);

  // Tab position; -1 for controls that never take the focus.
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int i) { tab_index_ = i; }

  // A backend shows the tip while the pointer rests on the control; a change
  // while it is there shows the new tip at once, an empty one hides it.
  const std::string& ToolTipText() const { return tool_tip_; }
  void SetToolTipText(std::string t) {
    if (t == tool_tip_) return;
    tool_tip_ = std::move(t);
    Notify(Property::ToolTipText);
  }

  // What a screen reader calls the control. The picture buttons have no
  // caption and a day cell's number alone does not say which day it is, so
  // the name is a property of its own; a label without one is read by its
  // caption (see Label).
  virtual const std::string& AccessibleName() const { return accessible_name_; }
  void SetAccessibleName(std::string n) {
    if (n == accessible_name_) return;
    accessible_name_ = std::move(n);
    Notify(Property::AccessibleName);
  }
  // Whether a screen reader sees the control at all: an empty day cell, the
  // surface that takes the presses over the grid and the lines say nothing.
  bool AccessibleShown() const { return accessible_shown_; }
  void SetAccessibleShown(bool shown) {
    if (shown == accessible_shown_) return;
    accessible_shown_ = shown;
    Notify(Property::AccessibleShown);
  }

 protected:
  void Notify(Property what) {
    if (peer_ != nullptr) peer_->PropertyChanged(what);
  }

 private:
  ControlKind kind_;
  std::string name_;
  int index_;
  ControlPeer* peer_ = nullptr;
  Rect bounds_;
  bool visible_ = true;
  int tab_index_ = -1;
  std::string tool_tip_;
  std::string accessible_name_;
  bool accessible_shown_ = true;
};

}  // namespace ombrelk
