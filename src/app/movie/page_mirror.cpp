#include "movie/page_mirror.h"

#include <QRect>
#include <cmath>

#include "controls/countdown.h"
#include "controls/simple_controls.h"
#include "movie/page_bridge.h"

namespace hifz {
namespace {

int pixels(float twips) {
  return static_cast<int>(std::lround(twips / PageMirror::kTwipsPerPixel));
}

ElementKind elementKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::Image:
      return ElementKind::Image;
    case ControlKind::Label:
      return ElementKind::Label;
    case ControlKind::MovieSlot:
      return ElementKind::Movie;
    case ControlKind::Countdown:
      return ElementKind::Countdown;
    default:
      return ElementKind::Panel;
  }
}

bool isWindow(const Control& control) { return control.kind() == ControlKind::Window; }

}  // namespace

PageMirror::PageMirror(PageBridge& bridge, std::vector<Control*> controls)
    : bridge_(bridge), controls_(std::move(controls)) {
  std::erase_if(controls_,
                [](const Control* control) { return control->kind() == ControlKind::Timer; });
  for (Control* control : controls_) {
    byId_.insert(elementId(*control), control);
    if (isWindow(*control)) byId_.insert(QString(), control);  // the page's root
    control->addObserver(this);
  }
  rebuild();
  QObject::connect(&bridge_, &PageBridge::textEdited, &receiver_,
                   [this](const QString& id, const QString& text) {
                     auto* box = dynamic_cast<TextBox*>(byId_.value(id));
                     if (!box) return;
                     if (box->enabled()) box->typeText(text.toStdString());
                     // What the model kept, which a refused or cut edit differs from.
                     if (QString::fromStdString(box->text()) != text) showText(*box);
                   });
  QObject::connect(
      &bridge_, &PageBridge::mouse, &receiver_,
      [this](const QString& id, MouseAction action, int buttons, int shift, QPointF at) {
        Control* control = byId_.value(id);
        if (!control || !control->enabled()) return;
        const MouseEvent event{buttons, shift, static_cast<float>(at.x()) * kTwipsPerPixel,
                               static_cast<float>(at.y()) * kTwipsPerPixel};
        switch (action) {
          case MouseAction::Down:
            control->mouseDown(event);
            break;
          case MouseAction::Move:
            control->mouseMove(event);
            break;
          case MouseAction::Up:
            control->mouseUp(event);
            break;
          case MouseAction::Click:
            control->click();
            break;
          case MouseAction::DoubleClick:
            control->doubleClick();
            break;
        }
      });
}

void PageMirror::rebuild() {
  int order = 0;
  for (const Control* control : controls_) {
    const QString id = elementId(*control);
    if (!isWindow(*control)) {
      const Control* container = control->container();
      const QString parent = container && !isWindow(*container) ? elementId(*container) : "";
      bridge_.createElement(id, parent, elementKind(control->kind()));
      bridge_.setStackOrder(id, ++order);
    }
    if (const auto* box = dynamic_cast<const TextBox*>(control))
      bridge_.makeEditable(id, box->maxLength());
    place(*control);
    showText(*control);
  }
}

// Removing the outermost elements removes the rest with them.
PageMirror::~PageMirror() {
  for (Control* control : controls_) {
    control->removeObserver(this);
    const Control* container = control->container();
    const bool outermost =
        !container || isWindow(*container) || !byId_.contains(elementId(*container));
    if (!isWindow(*control) && outermost) bridge_.removeElement(elementId(*control));
  }
}

QString PageMirror::elementId(const Control& control) {
  QString id = QString::fromStdString(control.name());
  if (control.index() >= 0) id += QStringLiteral("(%1)").arg(control.index());
  return id;
}

void PageMirror::controlChanged(const Control& control, Property property) {
  switch (property) {
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
    case Property::Visible:
      place(control);
      break;
    case Property::Caption:
    case Property::Text:
      showText(control);
      break;
    case Property::Start:
      if (const auto* countdown = dynamic_cast<const Countdown*>(&control))
        bridge_.startCountdown(elementId(control), countdown->length());
      break;
    default:
      break;
  }
}

void PageMirror::showText(const Control& control) {
  if (isWindow(control)) return;
  if (const auto* captioned = dynamic_cast<const CaptionedControl*>(&control))
    bridge_.setText(elementId(control), QString::fromStdString(captioned->caption()));
  else if (const auto* box = dynamic_cast<const TextBox*>(&control))
    bridge_.setText(elementId(control), QString::fromStdString(box->text()));
}

// The window itself is the page's root, at the page's corner; the rest sit
// where their container says.
void PageMirror::place(const Control& control) {
  if (isWindow(control)) {
    bridge_.setGeometry("", QRect(0, 0, pixels(control.width()), pixels(control.height())));
    return;
  }
  const QString id = elementId(control);
  bridge_.setGeometry(id, QRect(pixels(control.left()), pixels(control.top()),
                                pixels(control.width()), pixels(control.height())));
  bridge_.setVisible(id, control.visible());
}

}  // namespace hifz
