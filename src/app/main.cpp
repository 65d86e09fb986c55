// The desktop program: the main window's behaviour on the Linux services,
// drawn in one WebEngine page whose movie slots Ruffle plays.

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <cstdio>
#include <vector>

#include "dialog/msg_form_holder.h"
#include "main_window.h"
#include "movie/page_mirror.h"
#include "movie/page_view.h"
#include "movie/ruffle_package.h"
#include "movie/web_movie_slot.h"
#include "page_recovery.h"
#include "platform/app_folder.h"
#include "platform/desktop_sound.h"
#include "platform/disk_file_system.h"
#include "platform/pulse_mixer.h"
#include "platform/qt_clock.h"
#include "platform/qt_services.h"
#include "platform/xrandr_display.h"
#include "quit_signals.h"
#include "recitation/sequencer.h"
#include "shell/form1.h"
#include "shell/wiring.h"
#include "view/form1_look.h"
#include "view/msg_form_look.h"

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
  QApplication::setDesktopFileName(HIFZ_APP_ID);
  QApplication::setLayoutDirection(Qt::RightToLeft);

  const auto ruffle = hifz::findRufflePackage();
  if (!ruffle) {
    std::fprintf(stderr, "hifz: the Ruffle movie player is not installed beside the program\n");
    return 1;
  }

  hifz::QtWindowSystem windows({{"MsgForm", hifz::msgFormLook()}});
  std::unique_ptr<hifz::Display> display = makeDisplay();
  hifz::PulseMixer mixer;
  hifz::QtShell shell;
  hifz::DesktopSound sound;
  hifz::QtMessageBox messages;
  hifz::DiskFileSystem files;
  hifz::QtClock clock;
  // The message is measured in the font it is drawn in, so the dialog fits it.
  hifz::QtTextMeasure measure(hifz::msgFormFont());

  hifz::PageView page(*ruffle);
  std::vector<hifz::WebMovieSlot*> movieSlots;
  auto makeSlot = [&page, &files, &movieSlots](const std::string& name,
                                               const hifz::SlotSettings& settings) {
    auto slot = std::make_unique<hifz::WebMovieSlot>(name, settings, page, files);
    movieSlots.push_back(slot.get());
    return slot;
  };
  const std::string folder =
      hifz::appFolder(QApplication::applicationDirPath().toStdString()).string();
  hifz::Form1 form(hifz::Platform{windows, *display, mixer, shell, sound, messages, files, clock},
                   makeSlot, folder);
  hifz::MsgFormHolder msgForm(form, measure, HIFZ_WEBSITE);
  hifz::wireForm1(form, msgForm);

  hifz::PageMirror mirror(page.bridge(), form.controls());
  hifz::applyForm1Look(page);
  hifz::MainWindow window(form.window(), page, windows.twipsPerPixelX());
  form.window().setHandle(static_cast<hifz::WindowSystem::WindowHandle>(window.winId()));

  // A new page shows the window as it is now; a reading cannot go on where
  // its movie was lost.
  hifz::PageRecovery recovery(
      page,
      [&] {
        mirror.rebuild();
        hifz::applyForm1Look(page);
        for (hifz::WebMovieSlot* slot : movieSlots) slot->republish();
        hifz::stopAnyReading(form);
      },
      [&window] {
        QMessageBox::critical(&window, QStringLiteral("Error"),
                              QStringLiteral("The movie player stopped working twice within a "
                                             "minute. The program will close."));
        window.close();
        // After the close's own quit: this end is a failure.
        QCoreApplication::exit(1);
      });

  // Asked to end, the program ends as its window's close ends it: the
  // display mode it set is put back.
  hifz::QuitSignals quitSignals([&window](int signal) {
    window.close();
    // After the close's own quit, which ends with status 0.
    QCoreApplication::exit(hifz::QuitSignals::exitStatus(signal));
  });

  form.window().onLoad();
  // Taken during start-up's own notice, before the event loop runs: that loop
  // would not know it was asked to end.
  if (const auto signal = quitSignals.received()) return hifz::QuitSignals::exitStatus(*signal);
  window.show();
  return QApplication::exec();
}
