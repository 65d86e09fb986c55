#include "generated_content.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "content/content_writer.h"
#include "content/quran_text.h"

namespace hifz::testing {

const std::filesystem::path& generatedApplicationFolder() {
  static QTemporaryDir folder;
  static const std::filesystem::path path = [] {
    const std::filesystem::path application = folder.path().toStdString();
    QElapsedTimer clock;
    clock.start();
    const content::ContentSummary summary =
        content::writeSampleContent(application, content::defaultChaptersFolder());
    std::printf("sample content: %d files, %.1f MB, made in %.1f s\n", summary.files,
                static_cast<double>(summary.bytes) / 1e6,
                static_cast<double>(clock.elapsed()) / 1000);
    return application;
  }();
  return path;
}

std::filesystem::path generatedDataFolder() { return generatedApplicationFolder() / "data"; }

std::string programPath(const std::string& tail) {
  std::string path = generatedApplicationFolder().string() + "\\" + tail;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

const std::vector<KnownChapter>& knownChapters() {
  static const std::vector<KnownChapter> chapters = {
      {"1-1", "1", "An Nas", 6},        {"1-1", "2", "Al Falaq", 5},
      {"1-1", "3", "Iklas", 4},         {"1-1", "4", "al masad", 5},
      {"1-1", "5", "an naser", 3},      {"1-1", "6", "al kaferoon", 6},
      {"1-1", "7", "al kawthar", 3},    {"1-1", "8", "al ma Own", 7},
      {"1-1", "9", "Quraish", 4},       {"1-1", "10", "Al feel", 5},
      {"1-1", "11", "Al Homazah", 9},   {"1-1", "12", "Al asr", 3},
      {"1-1", "13", "Al tkathor", 8},   {"1-1", "14", "AlKare3h", 11},
      {"1-1", "15", "Al Fatihah", 7},   {"1-2", "1", "Adoha", 11},
      {"1-2", "2", "Ashrh", 8},         {"1-2", "3", "Ateen", 8},
      {"1-2", "4", "Alalq", 19},        {"1-2", "5", "Alkdr", 5},
      {"1-2", "6", "AlBainh", 8},       {"1-2", "7", "Az Zlzalah", 8},
      {"1-2", "8", "AlAdiat", 11},      {"2-1", "1", "Al lail", 21},
      {"2-1", "2", "A sh shams", 15},   {"2-1", "3", "Al balad", 20},
      {"2-1", "4", "al Fajr", 30},      {"2-1", "5", "Al Kashiah", 26},
      {"2-1", "6", "Al Ala", 19},       {"2-1", "7", "at tariq", 17},
      {"2-1", "8", "Al broj", 22},      {"2-1", "9", "Al Inshiqak", 25},
      {"2-2", "1", "AlMotafifeen", 36}, {"2-2", "2", "AlInftar", 19},
      {"2-2", "3", "attkwer", 29},      {"2-2", "4", "Absa", 42},
      {"2-2", "5", "Annaziat", 46},
  };
  return chapters;
}

}  // namespace hifz::testing
