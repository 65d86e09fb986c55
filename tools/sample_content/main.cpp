// hifz-make-content: writes the sample content beside the program.
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "content/content_writer.h"
#include "content/quran_text.h"

int main(int argc, char* argv[]) {
  // Pictures are painted off screen; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QGuiApplication::setApplicationName("hifz-make-content");

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Writes the program's sample content: \"2 blank.gif\" into <application-folder> and the\n"
      "data folder as <application-folder>/data. Refuses when that data folder exists.");
  parser.addHelpOption();
  const QCommandLineOption quranJson(
      "quran-json", "The chapters folder of the npm package quran-json.", "folder",
      QString::fromStdString(hifz::content::defaultChaptersFolder().string()));
  parser.addOption(quranJson);
  parser.addPositionalArgument("application-folder", "The folder the program lies in.");
  parser.process(application);
  if (parser.positionalArguments().size() != 1) parser.showHelp(2);

  const std::filesystem::path folder = parser.positionalArguments().front().toStdString();
  try {
    QElapsedTimer clock;
    clock.start();
    const hifz::content::ContentSummary summary =
        hifz::content::writeSampleContent(folder, parser.value(quranJson).toStdString());
    std::printf("hifz-make-content: %d files, %.1f MB in %s, made in %.1f s\n", summary.files,
                static_cast<double>(summary.bytes) / 1e6, (folder / "data").c_str(),
                static_cast<double>(clock.elapsed()) / 1000);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "hifz-make-content: %s\n", error.what());
    return 1;
  }
}
