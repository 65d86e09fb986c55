// The desktop program: the main window's behaviour on the Linux services,
// drawn in one WebEngine page whose movie slots Ruffle plays.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "dialog/msg_form_holder.h"
#include "main_window.h"
#include "movie/page_mirror.h"
#include "movie/page_view.h"
#include "movie/ruffle_package.h"
#include "movie/web_movie_slot.h"
#include "page_recovery.h"
#include "page_renewal.h"
#include "platform/app_folder.h"
#include "platform/desktop_sound.h"
#include "platform/disk_file_system.h"
#include "platform/pulse_microphone.h"
#include "platform/pulse_mixer.h"
#include "platform/pulse_take_player.h"
#include "platform/qt_clock.h"
#include "platform/qt_progress_files.h"
#include "platform/qt_services.h"
#include "platform/sndfile_take_files.h"
#include "platform/sqlite_progress_store.h"
#include "platform/stderr_diagnostics.h"
#include "platform/system_wall_clock.h"
#include "platform/user_settings.h"
#include "platform/xrandr_display.h"
#include "practice_log_notice.h"
#include "progress_command.h"
#include "quit_signals.h"
#include "recitation/sequencer.h"
#include "reciter/build_folder.h"
#include "reciter/reciter_dialog.h"
#include "sample_notice.h"
#include "shell/form1.h"
#include "shell/wiring.h"
#include "view/form1_look.h"
#include "view/msg_form_look.h"
#include "view/qt_arabic.h"

namespace {

// The display the program may change: RandR where the X server has it, else
// one that accepts the current mode and changes nothing.
std::unique_ptr<hifz::Display> makeDisplay() {
  auto randr = std::make_unique<hifz::XRandrDisplay>();
  if (randr->available()) return randr;
  return std::make_unique<hifz::NullDisplay>();
}

// The command line: nothing, or --add-reciter with an optional zip file or folder.
struct Request {
  bool addReciter = false;
  QString reciterFiles;
};

Request readCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Learn the Quran's recited verses by heart through repetition.\n"
      "The content (movies of each chapter and verse) is read from your own content folder,\n"
      "$XDG_DATA_HOME/hifz (~/.local/share/hifz), when it holds a data folder; else from beside\n"
      "the program; else the sample content installed with it.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption addReciter(
      "add-reciter",
      "Build content from a reciter's per-verse MP3 files (a zip file or a folder; chosen in a "
      "dialog when not given) into your own content folder, then start on it.");
  parser.addOption(addReciter);
  // Done before the parser sees the command line (progress_command.cpp); here for --help.
  parser.addOption({"export-progress",
                    "Write your progress (readings, grades, schedules) to a new FILE.", "FILE"});
  parser.addOption({"import-progress",
                    "Add the progress in FILE, exported on another machine, to yours.", "FILE"});
  parser.addPositionalArgument("FILE-OR-FOLDER", "With --add-reciter: the reciter's files.",
                               "[FILE-OR-FOLDER]");
  parser.process(app);
  const QStringList given = parser.positionalArguments();
  if (given.size() > 1 || (!given.isEmpty() && !parser.isSet(addReciter))) {
    std::fprintf(stderr, "hifz: a file or folder goes only with --add-reciter, and only one\n");
    std::exit(2);
  }
  return {parser.isSet(addReciter),
          given.isEmpty() ? QString() : QFileInfo(given.front()).absoluteFilePath()};
}

// Help and the version are printed without a display.
bool asksForHelpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v" ||
        argument == "--version")
      return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = hifz::runProgressCommand(argc, argv)) return *status;
  if (asksForHelpOrVersion(argc, argv)) {
    QCoreApplication terminal(argc, argv);
    QCoreApplication::setApplicationName("hifz");
    QCoreApplication::setApplicationVersion(HIFZ_VERSION);
    readCommandLine(terminal);
  }
  hifz::preparePageView();
  QApplication app(argc, argv);
  QApplication::setApplicationName("hifz");
  QApplication::setApplicationDisplayName("Hifz");
  QApplication::setDesktopFileName(HIFZ_APP_ID);
  QApplication::setApplicationVersion(HIFZ_VERSION);
  QApplication::setLayoutDirection(Qt::RightToLeft);
  const Request request = readCommandLine(app);
  // After the command line, whose messages stay in the terminal's English.
  if (!hifz::speakArabicInQtWindows(app))
    std::fprintf(stderr,
                 "hifz: Qt's Arabic translations are not installed (qt6-translations-l10n); "
                 "the file chooser speaks English\n");

  const auto ruffle = hifz::findRufflePackage();
  if (!ruffle) {
    std::fprintf(stderr, "hifz: the Ruffle movie player is not installed beside the program\n");
    return 1;
  }

  const std::filesystem::path programFolder = QApplication::applicationDirPath().toStdString();
  const hifz::ContentPlaces places = hifz::contentPlaces(programFolder);

  // Asked to end, the program ends as closing its window ends it: a reciter's
  // build stops and its folder goes; the display mode it set is put back.
  hifz::MainWindow* shown = nullptr;
  hifz::QuitSignals quitSignals([&shown](int signal) {
    if (shown) shown->close();
    // After the close's own quit, which ends with status 0; this also ends the
    // reciter's window, whose build goes with it.
    QCoreApplication::exit(hifz::QuitSignals::exitStatus(signal));
  });
  for (const std::filesystem::path& left :
       hifz::removeLeftBuildFolders(hifz::userContentFolder(places).parent_path()))
    std::fprintf(stderr, "hifz: removed %s, left by a reciter build that did not end\n",
                 left.c_str());
  if (request.addReciter) {
    const std::filesystem::path userFolder = hifz::userContentFolder(places);
    if (userFolder.empty()) {
      std::fprintf(stderr, "hifz: neither HOME nor XDG_DATA_HOME names a folder for content\n");
      return 1;
    }
    hifz::ReciterDialog(request.reciterFiles, userFolder).exec();
    if (const auto signal = quitSignals.received()) return hifz::QuitSignals::exitStatus(*signal);
  }
  const std::string folder = hifz::chooseAppFolder(places).string();
  std::fprintf(stderr, "hifz: content from %s\n", folder.c_str());

  hifz::QtWindowSystem windows({{"MsgForm", hifz::msgFormLook()}});
  std::unique_ptr<hifz::Display> display = makeDisplay();
  hifz::PulseMixer mixer;
  hifz::QtShell shell;
  hifz::DesktopSound sound;
  hifz::QtMessageBox messages;
  hifz::DiskFileSystem files;
  hifz::QtClock clock;
  hifz::UserSettings userSettings;
  hifz::StderrDiagnostics diagnostics;
  hifz::SqliteProgressStore progress(hifz::practiceLogPath(), diagnostics);
  hifz::SystemWallClock wallClock;
  hifz::PulseMicrophone microphone;
  hifz::PulseTakePlayer takePlayer;
  hifz::SndfileTakeFiles takeFiles(hifz::takesFolder());
  hifz::QtProgressFiles progressFiles(hifz::practiceLogPath(), diagnostics);
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
  hifz::Form1 form(hifz::Platform{.windows = windows,
                                  .display = *display,
                                  .mixer = mixer,
                                  .shell = shell,
                                  .sound = sound,
                                  .messages = messages,
                                  .files = files,
                                  .clock = clock,
                                  .settings = userSettings,
                                  .diagnostics = diagnostics,
                                  .progress = progress,
                                  .wallClock = wallClock,
                                  .microphone = microphone,
                                  .takePlayer = takePlayer,
                                  .takeFiles = takeFiles,
                                  .progressFiles = progressFiles},
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

  // Ruffle keeps part of every movie played for as long as its page lives: a
  // new page, unseen, once the old one has grown and the learner rests on a menu.
  std::vector<int> framesBefore;
  hifz::PageRenewal renewal(
      page, hifz::PageRenewal::boundsFromEnvironment(),
      {.quiet =
           [&] {
             return !hifz::readingGoesOn(form) &&
                    std::all_of(movieSlots.begin(), movieSlots.end(),
                                [](const auto* slot) { return slot->republishShowsTheSame(); });
           },
       .redraw =
           [&] {
             framesBefore.clear();
             for (const hifz::WebMovieSlot* slot : movieSlots) {
               framesBefore.push_back(slot->frameNum());
             }
             mirror.rebuild();
             hifz::applyForm1Look(page);
             for (hifz::WebMovieSlot* slot : movieSlots) slot->republish();
           },
       .caughtUp =
           [&] {
             for (std::size_t i = 0; i < movieSlots.size() && i < framesBefore.size(); ++i) {
               if (movieSlots[i]->hasMovie() && !movieSlots[i]->reachedFrame(framesBefore[i])) {
                 return false;
               }
             }
             return true;
           }});

  shown = &window;

  form.window().onLoad();
  // Taken during start-up's own notice, before the event loop runs: that loop
  // would not know it was asked to end.
  if (const auto signal = quitSignals.received()) return hifz::QuitSignals::exitStatus(*signal);
  window.show();
  // One dialog at a time: a practice log in trouble comes first.
  bool toldOfLog = false;
  progress.whenTroubled([&msgForm, &toldOfLog](hifz::LogTrouble trouble) {
    toldOfLog = true;
    hifz::tellAboutPracticeLog(msgForm, trouble);
  });
  if (!toldOfLog) hifz::tellAboutSampleContent(folder, msgForm, userSettings);
  return QApplication::exec();
}
