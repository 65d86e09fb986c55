#include "view/widget_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

#include "controls/simple_controls.h"
#include "view/colours.h"
#include "view/mouse.h"
#include "view/text_fit.h"

namespace hifz {

WidgetWindow::WidgetWindow(WindowControl& window, std::span<Control* const> controls,
                           float twipsPerPixel, WindowLook look)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      window_(window),
      twipsPerPixel_(twipsPerPixel),
      look_(std::move(look)) {
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
    // Each control answers for its own mouse events; Qt would hand the ones a
    // label or a panel leaves alone on to the control beneath.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->installEventFilter(this);
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

QRect WidgetWindow::modelBox(const Control& control) const {
  return QRect(pixels(control.left()), pixels(control.top()), pixels(control.width()),
               pixels(control.height()));
}

QString WidgetWindow::shownText(const QWidget& widget) {
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (auto* button = qobject_cast<const QPushButton*>(&widget)) return button->text();
  return {};
}

TextPlace WidgetWindow::textPlace(const QWidget& widget, QSize size) {
  const QRectF bounds(QPointF(), size);
  auto* button = qobject_cast<const QPushButton*>(&widget);
  if (!button) return {bounds, bounds};
  QStyleOptionButton option;
  option.initFrom(button);
  option.rect = QRect(QPoint(), size);
  return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button), bounds};
}

void WidgetWindow::place(const Control& control, QWidget& widget) {
  QRect box = modelBox(control);
  const auto found = look_.find(control.name());
  if (found == look_.end()) {
    widget.setGeometry(box);
    return;
  }
  const TextLook& look = found->second;
  const QString text = shownText(widget);
  QFont font(look.family);
  font.setPointSizeF(look.points);
  font.setUnderline(look.underline);
  if (look.widensForText) {
    const int room = pixels(window_.width());
    const int wanted = std::min(static_cast<int>(std::ceil(laidOutSize(font, text).width())), room);
    if (wanted > box.width()) {
      const int left = std::clamp(box.center().x() - wanted / 2, 0, room - wanted);
      box = QRect(left, box.top(), wanted, box.height());
    }
  }
  widget.setGeometry(box);
  widget.setFont(
      fittedFont(font, text, textPlace(widget, box.size()), look.points, look.minimumPoints));
}

void WidgetWindow::applyText(Control& control, QWidget& widget) {
  if (auto* captioned = dynamic_cast<CaptionedControl*>(&control)) {
    // Lines end in a carriage return, as the program writes them; Qt breaks at '\n'.
    QString text = QString::fromStdString(captioned->caption());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
      label->setText(text);
      if (look_.contains(control.name())) label->setAlignment(Qt::AlignCenter);
    }
    if (auto* button = qobject_cast<QPushButton*>(&widget)) button->setText(text);
  }
  if (auto* box = dynamic_cast<TextBox*>(&control))
    static_cast<QLineEdit&>(widget).setText(QString::fromStdString(box->text()));
  // The size a text is drawn at depends on the text.
  place(control, widget);
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
      // A control drawn wider than the model has it stays within the window.
      if (property == Property::Width)
        for (auto& [control, widget] : widgets_)
          if (control != &window_ && look_.contains(control->name())) place(*control, *widget);
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
  auto& widget = static_cast<QWidget&>(*watched);
  const bool isButton = qobject_cast<QPushButton*>(watched) != nullptr;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
      const auto& mouse = static_cast<const QMouseEvent&>(*event);
      const MouseEvent forModel =
          modelMouseEvent(mouse, pointIn(control, widget, mouse), twipsPerPixel_);
      if (event->type() == QEvent::MouseButtonPress) {
        control.mouseDown(forModel);
      } else if (event->type() == QEvent::MouseMove) {
        control.mouseMove(forModel);
      } else {
        control.mouseUp(forModel);
        // A button reports its own clicks; for the rest a release over the control is one.
        if (!isButton && mouse.button() == Qt::LeftButton &&
            widget.rect().contains(mouse.position().toPoint()))
          control.click();
      }
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

QPointF WidgetWindow::pointIn(const Control& control, const QWidget& widget,
                              const QMouseEvent& event) const {
  // From the pointer's place on the screen, not the event's own position: a
  // move queued before the window followed a drag would be relative to where
  // the window was.
  QPointF point = widget.mapFromGlobal(event.globalPosition());
  // A control drawn wider than the model has it still counts from its model place.
  if (&control != &window_) point += widget.pos() - modelBox(control).topLeft();
  return point;
}

void WidgetWindow::closeEvent(QCloseEvent* event) {
  // The dialog closes through its own buttons only.
  event->ignore();
}

}  // namespace hifz
