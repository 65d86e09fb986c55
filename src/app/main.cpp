// The desktop program: the main window's behaviour on the Linux services,
// drawn in one WebEngine page whose movie slots Ruffle plays.

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QMessageBox>
#include <cstdio>

#include "dialog/msg_form_holder.h"
#include "main_window.h"
#include "movie/page_mirror.h"
#include "movie/page_view.h"
#include "movie/ruffle_package.h"
#include "movie/web_movie_slot.h"
#include "platform/desktop_sound.h"
#include "platform/disk_file_system.h"
#include "platform/pulse_mixer.h"
#include "platform/qt_clock.h"
#include "platform/qt_services.h"
#include "platform/xrandr_display.h"
#include "shell/form1.h"
#include "shell/wiring.h"
#include "view/form1_look.h"

namespace {

// The display the program may change: RandR where the X server has it, else
// one that accepts the current mode and changes nothing.
std::unique_ptr<hifz::Display> makeDisplay() {
  auto randr = std::make_unique<hifz::XRandrDisplay>();
  if (randr->available()) return randr;
  return std::make_unique<hifz::NullDisplay>();
}

}  // namespace

int main(int argc, char** argv) {
  hifz::preparePageView();
  QApplication app(argc, argv);
  QApplication::setApplicationName("hifz");
  QApplication::setApplicationDisplayName("Hifz");
  QApplication::setLayoutDirection(Qt::RightToLeft);

  const auto ruffle = hifz::findRufflePackage();
  if (!ruffle) {
    std::fprintf(stderr, "hifz: the Ruffle movie player is not installed beside the program\n");
    return 1;
  }

  hifz::QtWindowSystem windows;
  std::unique_ptr<hifz::Display> display = makeDisplay();
  hifz::PulseMixer mixer;
  hifz::QtShell shell;
  hifz::DesktopSound sound;
  hifz::QtMessageBox messages;
  hifz::DiskFileSystem files;
  hifz::QtClock clock;
  hifz::QtTextMeasure measure(QApplication::font());

  hifz::PageView page(*ruffle);
  auto makeSlot = [&page, &files](const std::string& name, const hifz::SlotSettings& settings) {
    return std::make_unique<hifz::WebMovieSlot>(name, settings, page, files);
  };
  const std::string folder =
      QDir::toNativeSeparators(QApplication::applicationDirPath()).toStdString();
  hifz::Form1 form(hifz::Platform{windows, *display, mixer, shell, sound, messages, files, clock},
                   makeSlot, folder);
  hifz::MsgFormHolder msgForm(form, measure, HIFZ_WEBSITE);
  hifz::wireForm1(form, msgForm);

  hifz::PageMirror mirror(page.bridge(), form.controls());
  hifz::applyForm1Look(page);
  hifz::MainWindow window(form.window(), page, windows.twipsPerPixelX());
  form.window().setHandle(static_cast<hifz::WindowSystem::WindowHandle>(window.winId()));

  form.window().onLoad();
  window.show();
  return QApplication::exec();
}
