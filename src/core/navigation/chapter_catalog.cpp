#include "navigation/chapter_catalog.h"

#include <algorithm>
#include <array>

namespace hifz {
namespace {

constexpr std::array kGroups = {
    ChapterGroup{"1-1", form1::verses1, "verses1.gif"},
    ChapterGroup{"1-2", form1::verses2, "verses2.gif"},
    ChapterGroup{"2-1", form1::verses3, "verses3.gif"},
    ChapterGroup{"2-2", form1::verses4, "verses4.gif"},
};

// Folder names exactly as they lie on disk, spaces and letter case included.
constexpr std::array kChapters = {
    ChapterRow{"1-1", "1", "An Nas"},       ChapterRow{"1-1", "2", "Al Falaq"},
    ChapterRow{"1-1", "3", "Iklas"},        ChapterRow{"1-1", "4", "al masad"},
    ChapterRow{"1-1", "5", "an naser"},     ChapterRow{"1-1", "6", "al kaferoon"},
    ChapterRow{"1-1", "7", "al kawthar"},   ChapterRow{"1-1", "8", "al ma Own"},
    ChapterRow{"1-1", "9", "Quraish"},      ChapterRow{"1-1", "10", "Al feel"},
    ChapterRow{"1-1", "11", "Al Homazah"},  ChapterRow{"1-1", "12", "Al asr"},
    ChapterRow{"1-1", "13", "Al tkathor"},  ChapterRow{"1-1", "14", "AlKare3h"},
    ChapterRow{"1-1", "15", "Al Fatihah"},  ChapterRow{"1-2", "1", "Adoha"},
    ChapterRow{"1-2", "2", "Ashrh"},        ChapterRow{"1-2", "3", "Ateen"},
    ChapterRow{"1-2", "4", "Alalq"},        ChapterRow{"1-2", "5", "Alkdr"},
    ChapterRow{"1-2", "6", "AlBainh"},      ChapterRow{"1-2", "7", "Az Zlzalah"},
    ChapterRow{"1-2", "8", "AlAdiat"},      ChapterRow{"2-1", "1", "Al lail"},
    ChapterRow{"2-1", "2", "A sh shams"},   ChapterRow{"2-1", "3", "Al balad"},
    ChapterRow{"2-1", "4", "al Fajr"},      ChapterRow{"2-1", "5", "Al Kashiah"},
    ChapterRow{"2-1", "6", "Al Ala"},       ChapterRow{"2-1", "7", "at tariq"},
    ChapterRow{"2-1", "8", "Al broj"},      ChapterRow{"2-1", "9", "Al Inshiqak"},
    ChapterRow{"2-2", "1", "AlMotafifeen"}, ChapterRow{"2-2", "2", "AlInftar"},
    ChapterRow{"2-2", "3", "attkwer"},      ChapterRow{"2-2", "4", "Absa"},
    ChapterRow{"2-2", "5", "Annaziat"},
};

}  // namespace

std::span<const ChapterGroup> chapterGroups() { return kGroups; }

std::span<const ChapterRow> chapterCatalog() { return kChapters; }

std::string ChapterFolder(const ChapterRow& chapter) {
  return std::string(chapter.group) + "\\" + std::string(chapter.folder) + "\\";
}

std::optional<ChapterRow> findChapter(std::string_view group, std::string_view key) {
  const auto found = std::find_if(kChapters.begin(), kChapters.end(), [&](const ChapterRow& row) {
    return row.group == group && row.key == key;
  });
  if (found == kChapters.end()) return std::nullopt;
  return *found;
}

}  // namespace hifz
