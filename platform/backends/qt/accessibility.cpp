#include "platform/backends/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>
#include <map>
#include <vector>

#include "platform/controls/form.h"

namespace ombrelk {

namespace {

constexpr const char* kControlProperty = "ombrelk_control";
constexpr const char* kFormProperty = "ombrelk_form";

const Control* ControlOf(const QObject& widget) {
  const QVariant v = widget.property(kControlProperty);
  return v.isValid() ? reinterpret_cast<const Control*>(v.value<quintptr>()) : nullptr;
}

bool ShownToReader(const QWidget& widget) {
  const Control* control = ControlOf(widget);
  return control == nullptr || control->AccessibleShown();
}

// A label: static text, invisible to a reader while the model hides it.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(QLabel& label) : QAccessibleWidget(&label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return widget()->accessibleName();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (!ShownToReader(*widget())) s.invisible = true;
    return s;
  }
};

// The calendar window: a frame named by its caption, whose children are the
// controls shown to a reader in the form's reading order.
class FormAccessible : public QAccessibleWidget {
 public:
  FormAccessible(QWidget& window, const Form& form)
      : QAccessibleWidget(&window, QAccessible::Window), form_(form) {}

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QWidget*> children = Children();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<QWidget*> children = Children();
    for (std::size_t i = 0; i < children.size(); ++i) {
      if (child != nullptr && child->object() == children[i]) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  std::vector<QWidget*> Children() const {
    std::map<const Control*, QWidget*> widgets;
    for (QWidget* w : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (const Control* control = ControlOf(*w)) widgets[control] = w;
    }
    const std::vector<Control*>& order =
        form_.reading_order.empty() ? form_.controls : form_.reading_order;
    std::vector<QWidget*> out;
    for (const Control* control : order) {
      const auto it = widgets.find(control);
      if (it != widgets.end() && control->AccessibleShown() && !it->second->isHidden()) {
        out.push_back(it->second);
      }
    }
    return out;
  }

  const Form& form_;
};

QAccessibleInterface* MakeAccessible(const QString& /*class_name*/, QObject* object) {
  const QVariant form = object->property(kFormProperty);
  if (form.isValid() && object->isWidgetType()) {
    return new FormAccessible(*static_cast<QWidget*>(object),
                              *reinterpret_cast<const Form*>(form.value<quintptr>()));
  }
  if (ControlOf(*object) != nullptr) {
    if (auto* label = dynamic_cast<QLabel*>(object)) {
      if (ControlOf(*label)->Kind() == ControlKind::Label) return new LabelAccessible(*label);
    }
  }
  return nullptr;
}

}  // namespace

void MirrorAccessible(QWidget& widget, const Control& control) {
  widget.setProperty(kControlProperty, QVariant::fromValue(reinterpret_cast<quintptr>(&control)));
  const QString name = QString::fromStdString(control.AccessibleName());
  if (widget.accessibleName() != name) {
    // Qt tells a listening reader: a reader that watches the month label
    // hears the new month.
    widget.setAccessibleName(name);
  }
  if (control.Kind() == ControlKind::ComboBox) widget.setAccessibleDescription(name);
}

void AnnounceShownToReader(QWidget& widget) {
  QAccessible::State changed;
  changed.invisible = true;
  QAccessibleStateChangeEvent event(&widget, changed);
  QAccessible::updateAccessibility(&event);
}

void ReadAsForm(QWidget& window, const Form& form) {
  window.setProperty(kFormProperty, QVariant::fromValue(reinterpret_cast<quintptr>(&form)));
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&window);
  if (made != nullptr && dynamic_cast<FormAccessible*>(made) == nullptr) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

void InstallAccessibleFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace ombrelk
