#include "main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <cmath>

#include "movie/page_view.h"

namespace hifz {

MainWindow::MainWindow(WindowControl& window, PageView& page, float twipsPerPixel)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      window_(window),
      page_(page),
      twipsPerPixel_(twipsPerPixel) {
  setWindowTitle(QString::fromStdString(window_.caption()));
  page_.setParent(this);
  applyGeometry();
  setEnabled(window_.enabled());
  window_.addObserver(this);
}

// The page belongs to whoever made it, and outlives the window: the slots and
// the mirror still talk to it while they go.
MainWindow::~MainWindow() {
  window_.removeObserver(this);
  page_.setParent(nullptr);
}

int MainWindow::pixels(float twips) const {
  return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

void MainWindow::applyGeometry() {
  if (window_.windowState() != WindowState::Normal) return;
  setGeometry(pixels(window_.left()), pixels(window_.top()), pixels(window_.width()),
              pixels(window_.height()));
}

void MainWindow::applyState() {
  if (window_.windowState() == WindowState::Maximized) {
    showFullScreen();
  } else {
    showNormal();
    applyGeometry();
  }
}

void MainWindow::controlChanged(const Control&, Property property) {
  switch (property) {
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
      applyGeometry();
      break;
    case Property::WindowState:
      applyState();
      break;
    case Property::Enabled:
      setEnabled(window_.enabled());
      break;
    case Property::Visible:
      setVisible(window_.visible());
      break;
    case Property::Caption:
      setWindowTitle(QString::fromStdString(window_.caption()));
      break;
    default:
      break;
  }
}

void MainWindow::resizeEvent(QResizeEvent*) { page_.setGeometry(rect()); }

// The program ends with its main window, even while a notice of its own is open.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (window_.onUnload) window_.onUnload();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace hifz
