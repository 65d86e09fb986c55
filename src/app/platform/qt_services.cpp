#include "platform/qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <cmath>

#include "platform/x11_screen.h"
#include "view/text_fit.h"
#include "view/widget_window.h"

namespace hifz {
namespace {

constexpr float kTwipsPerInch = 1440;

QScreen* screen() { return QGuiApplication::primaryScreen(); }

// The size now, not the one Qt last heard of: leaving full screen centres the
// window on the size the mode change has just restored.
QSize screenPixels() { return currentX11ScreenSize().value_or(screen()->geometry().size()); }

}  // namespace

MessageAnswer QtMessageBox::show(const std::string& text, const std::string& caption,
                                 MessageButtons buttons) {
  const QString title =
      caption.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(caption);
  if (buttons == MessageButtons::YesNo) {
    const auto answer = QMessageBox::question(nullptr, title, QString::fromStdString(text),
                                              QMessageBox::Yes | QMessageBox::No);
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  QMessageBox::information(nullptr, title, QString::fromStdString(text));
  return MessageAnswer::Ok;
}

void QtShell::open(const std::string& address) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

TextSize QtTextMeasure::measure(std::string_view text) const {
  QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // As the label will lay it out, so the label the layout sizes holds it whole.
  const QSizeF room = laidOutSize(font_, all);
  const float perPixel = kTwipsPerInch / static_cast<float>(screen()->logicalDotsPerInchX());
  return {static_cast<float>(std::ceil(room.width())) * perPixel,
          static_cast<float>(std::ceil(room.height())) * perPixel};
}

QtWindowSystem::QtWindowSystem(std::map<std::string, WindowLook> looks)
    : looks_(std::move(looks)) {}
QtWindowSystem::~QtWindowSystem() = default;

float QtWindowSystem::screenWidthTwips() const {
  return static_cast<float>(screenPixels().width()) * twipsPerPixelX();
}

float QtWindowSystem::screenHeightTwips() const {
  return static_cast<float>(screenPixels().height()) * twipsPerPixelY();
}

float QtWindowSystem::twipsPerPixelX() const {
  return kTwipsPerInch / static_cast<float>(screen()->logicalDotsPerInchX());
}

float QtWindowSystem::twipsPerPixelY() const {
  return kTwipsPerInch / static_cast<float>(screen()->logicalDotsPerInchY());
}

void QtWindowSystem::setTopMost(WindowHandle window, bool topMost) {
  QWidget* widget = QWidget::find(static_cast<WId>(window));
  if (!widget) return;
  const bool wasVisible = widget->isVisible();
  widget->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
  // Changing a window flag hides the window; bring it back as it was.
  if (wasVisible) widget->show();
}

}  // namespace hifz

namespace hifz {

WindowSystem::WindowHandle QtWindowSystem::openWindow(WindowControl& window,
                                                      std::span<Control* const> controls) {
  const auto look = looks_.find(window.name());
  auto widget = std::make_unique<WidgetWindow>(window, controls, twipsPerPixelX(),
                                               look == looks_.end() ? WindowLook{} : look->second);
  const auto handle = static_cast<WindowHandle>(widget->winId());
  opened_[handle] = std::move(widget);
  return handle;
}

void QtWindowSystem::closeWindow(WindowHandle window) {
  const auto found = opened_.find(window);
  if (found == opened_.end()) return;
  // The close may come from one of the window's own buttons: delete it once
  // that click is over.
  auto* widget = static_cast<WidgetWindow*>(found->second.release());
  opened_.erase(found);
  widget->detach();
  widget->hide();
  widget->deleteLater();
}

void QtWindowSystem::activate(WindowHandle window) {
  if (QWidget* widget = QWidget::find(static_cast<WId>(window))) {
    widget->raise();
    widget->activateWindow();
  }
}

void QtWindowSystem::endProgram() { QCoreApplication::exit(0); }

}  // namespace hifz
