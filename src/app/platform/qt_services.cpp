#include "platform/qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <QWidget>

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

void QtSound::beep() { QApplication::beep(); }

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
