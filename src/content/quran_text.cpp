#include "content/quran_text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "content/content_error.h"

namespace hifz::content {

ChapterText readChapterText(const std::filesystem::path& folder, int surah) {
  const std::filesystem::path path = folder / (std::to_string(surah) + ".json");
  const auto fail = [&](const std::string& why) -> ContentError {
    return ContentError(path.string() + ": " + why);
  };
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) {
    throw fail("cannot read it (is the npm package quran-json installed?)");
  }
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
  if (error.error != QJsonParseError::NoError) {
    throw fail("not JSON: " + error.errorString().toStdString());
  }
  const QJsonObject chapter = document.object();
  if (chapter.value("id").toInt() != surah) throw fail("holds another chapter");

  ChapterText text;
  text.surah = surah;
  text.name = chapter.value("name").toString();
  text.transliteration = chapter.value("transliteration").toString();
  text.medinan = chapter.value("type").toString() == "medinan";
  const QJsonArray verses = chapter.value("verses").toArray();
  if (text.name.isEmpty() || verses.isEmpty() ||
      chapter.value("total_verses").toInt() != verses.size()) {
    throw fail("name or verses missing, or the verse count does not match the verses");
  }
  for (qsizetype i = 0; i < verses.size(); ++i) {
    const QJsonObject verse = verses.at(i).toObject();
    const QString verseText = verse.value("text").toString().trimmed();
    if (verse.value("id").toInt() != i + 1 || verseText.isEmpty()) {
      throw fail("verse " + std::to_string(i + 1) + " is missing or out of order");
    }
    text.verses.append(verseText);
  }
  return text;
}

std::filesystem::path defaultChaptersFolder() {
  // An installed program finds the text beside itself, under any prefix; one
  // built here, in the npm package it was configured with.
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path installed = program.parent_path() / HIFZ_INSTALLED_QURAN_CHAPTERS;
    if (std::filesystem::is_regular_file(installed / "1.json", error)) return installed;
  }
  return HIFZ_QURAN_CHAPTERS;
}

}  // namespace hifz::content
