#include "view/widget_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>

#include "controls/simple_controls.h"
#include "view/colours.h"
#include "view/mouse.h"

namespace hifz {

WidgetWindow::WidgetWindow(WindowControl& window, std::span<Control* const> controls,
                           float twipsPerPixel)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      window_(window),
      twipsPerPixel_(twipsPerPixel) {
  setLayoutDirection(Qt::RightToLeft);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setMouseTracking(true);
  installEventFilter(this);
  controlOf_[this] = &window_;
  widgets_[&window_] = this;
  for (Control* control : controls) {
    QWidget* widget = makeWidget(*control);
    widgets_[control] = widget;
    controlOf_[widget] = control;
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    place(*control, *widget);
    applyText(*control, *widget);
    applyColours(*control, *widget);
    widget->setVisible(control->visible());
    widget->setEnabled(control->enabled());
    control->addObserver(this);
  }
  window_.addObserver(this);
  for (Property property :
       {Property::Left, Property::Caption, Property::Enabled, Property::Visible})
    applyWindow(property);
}

WidgetWindow::~WidgetWindow() { detach(); }

void WidgetWindow::detach() {
  for (auto& [control, widget] : widgets_) const_cast<Control*>(control)->removeObserver(this);
  widgets_.clear();
  controlOf_.clear();
}

int WidgetWindow::pixels(float twips) const {
  return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

QWidget* WidgetWindow::makeWidget(Control& control) {
  QWidget* parent = this;
  if (Control* container = control.container(); container && container != &window_)
    parent = widgets_.at(container);
  switch (control.kind()) {
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      connect(button, &QPushButton::clicked, button, [&control] { control.click(); });
      return button;
    }
    case ControlKind::TextBox:
      return new QLineEdit(parent);
    case ControlKind::Label:
    case ControlKind::Image:
      return new QLabel(parent);
    default: {
      auto* frame = new QFrame(parent);
      frame->setAutoFillBackground(true);
      return frame;
    }
  }
}

void WidgetWindow::place(const Control& control, QWidget& widget) {
  widget.setGeometry(pixels(control.left()), pixels(control.top()), pixels(control.width()),
                     pixels(control.height()));
}

void WidgetWindow::applyText(Control& control, QWidget& widget) {
  if (auto* captioned = dynamic_cast<CaptionedControl*>(&control)) {
    // Lines end in a carriage return, as the program writes them; Qt breaks at '\n'.
    QString text = QString::fromStdString(captioned->caption());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (auto* label = qobject_cast<QLabel*>(&widget)) label->setText(text);
    if (auto* button = qobject_cast<QPushButton*>(&widget)) button->setText(text);
  }
  if (auto* box = dynamic_cast<TextBox*>(&control))
    static_cast<QLineEdit&>(widget).setText(QString::fromStdString(box->text()));
}

void WidgetWindow::applyColours(Control& control, QWidget& widget) {
  QPalette palette = widget.palette();
  if (auto* label = dynamic_cast<Label*>(&control))
    palette.setColor(QPalette::WindowText, toQColor(label->foreColor()));
  if (auto* panel = dynamic_cast<PicturePanel*>(&control)) {
    palette.setColor(QPalette::Window, toQColor(panel->backColor()));
    if (auto* frame = qobject_cast<QFrame*>(&widget))
      frame->setFrameStyle(panel->borderStyle() ? QFrame::Box : QFrame::NoFrame);
  }
  widget.setPalette(palette);
}

void WidgetWindow::applyWindow(Property property) {
  switch (property) {
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
      setGeometry(pixels(window_.left()), pixels(window_.top()), pixels(window_.width()),
                  pixels(window_.height()));
      break;
    case Property::Caption:
      setWindowTitle(QString::fromStdString(window_.caption()));
      break;
    case Property::Enabled:
      setEnabled(window_.enabled());
      break;
    case Property::Visible:
      if (window_.visible()) {
        show();
        raise();
      } else {
        hide();
      }
      break;
    default:
      break;
  }
}

void WidgetWindow::controlChanged(const Control& control, Property property) {
  if (&control == &window_) {
    applyWindow(property);
    return;
  }
  QWidget& widget = *widgets_.at(&control);
  Control& changed = const_cast<Control&>(control);
  switch (property) {
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
      place(control, widget);
      break;
    case Property::Visible:
      widget.setVisible(control.visible());
      break;
    case Property::Enabled:
      widget.setEnabled(control.enabled());
      break;
    case Property::Caption:
    case Property::Text:
      applyText(changed, widget);
      break;
    case Property::ForeColor:
    case Property::BackColor:
    case Property::BorderStyle:
      applyColours(changed, widget);
      break;
    default:
      break;
  }
}

bool WidgetWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto found = controlOf_.find(watched);
  if (found == controlOf_.end()) return false;
  Control& control = *found->second;
  const bool isButton = qobject_cast<QPushButton*>(watched) != nullptr;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      control.mouseDown(modelMouseEvent(*static_cast<QMouseEvent*>(event), twipsPerPixel_));
      break;
    case QEvent::MouseMove:
      control.mouseMove(modelMouseEvent(*static_cast<QMouseEvent*>(event), twipsPerPixel_));
      break;
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      control.mouseUp(modelMouseEvent(*mouse, twipsPerPixel_));
      // A button reports its own clicks; for the rest a release over the control is one.
      if (!isButton && mouse->button() == Qt::LeftButton &&
          static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
        control.click();
      break;
    }
    case QEvent::MouseButtonDblClick:
      control.doubleClick();
      break;
    default:
      break;
  }
  return false;
}

void WidgetWindow::closeEvent(QCloseEvent* event) {
  // The dialog closes through its own buttons only.
  event->ignore();
}

}  // namespace hifz
