#include "platform/qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "view/widget_window.h"

namespace hifz {
namespace {

constexpr float kTwipsPerInch = 1440;

QScreen* screen() { return QGuiApplication::primaryScreen(); }

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
  const QFontMetricsF metrics(font_);
  QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  const QStringList lines = all.split(QLatin1Char('\n'));
  qreal widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const float perPixel = kTwipsPerInch / static_cast<float>(screen()->logicalDotsPerInchX());
  return {static_cast<float>(std::ceil(widest)) * perPixel,
          static_cast<float>(std::ceil(metrics.lineSpacing() * lines.size())) * perPixel};
}

QtWindowSystem::QtWindowSystem() = default;
QtWindowSystem::~QtWindowSystem() = default;

float QtWindowSystem::screenWidthTwips() const {
  return static_cast<float>(screen()->geometry().width()) * twipsPerPixelX();
}

float QtWindowSystem::screenHeightTwips() const {
  return static_cast<float>(screen()->geometry().height()) * twipsPerPixelY();
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
  auto widget = std::make_unique<WidgetWindow>(window, controls, twipsPerPixelX());
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
