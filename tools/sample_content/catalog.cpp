#include "sample_content/catalog.h"

#include <algorithm>

namespace hifz::content {

const std::array<CatalogChapter, 37> kCatalog = {{
    {"1-1", "1", "An Nas", 114},      {"1-1", "2", "Al Falaq", 113},
    {"1-1", "3", "Iklas", 112},       {"1-1", "4", "al masad", 111},
    {"1-1", "5", "an naser", 110},    {"1-1", "6", "al kaferoon", 109},
    {"1-1", "7", "al kawthar", 108},  {"1-1", "8", "al ma Own", 107},
    {"1-1", "9", "Quraish", 106},     {"1-1", "10", "Al feel", 105},
    {"1-1", "11", "Al Homazah", 104}, {"1-1", "12", "Al asr", 103},
    {"1-1", "13", "Al tkathor", 102}, {"1-1", "14", "AlKare3h", 101},
    {"1-1", "15", "Al Fatihah", 1},   {"1-2", "1", "Adoha", 93},
    {"1-2", "2", "Ashrh", 94},        {"1-2", "3", "Ateen", 95},
    {"1-2", "4", "Alalq", 96},        {"1-2", "5", "Alkdr", 97},
    {"1-2", "6", "AlBainh", 98},      {"1-2", "7", "Az Zlzalah", 99},
    {"1-2", "8", "AlAdiat", 100},     {"2-1", "1", "Al lail", 92},
    {"2-1", "2", "A sh shams", 91},   {"2-1", "3", "Al balad", 90},
    {"2-1", "4", "al Fajr", 89},      {"2-1", "5", "Al Kashiah", 88},
    {"2-1", "6", "Al Ala", 87},       {"2-1", "7", "at tariq", 86},
    {"2-1", "8", "Al broj", 85},      {"2-1", "9", "Al Inshiqak", 84},
    {"2-2", "1", "AlMotafifeen", 83}, {"2-2", "2", "AlInftar", 82},
    {"2-2", "3", "attkwer", 81},      {"2-2", "4", "Absa", 80},
    {"2-2", "5", "Annaziat", 79},
}};

std::span<const CatalogChapter> chaptersOf(std::string_view group) {
  const auto first = std::find_if(kCatalog.begin(), kCatalog.end(),
                                  [&](const CatalogChapter& c) { return c.group == group; });
  const auto last = std::find_if(first, kCatalog.end(),
                                 [&](const CatalogChapter& c) { return c.group != group; });
  return {first, last};
}

std::string relativeFolder(const CatalogChapter& chapter) {
  return std::string(chapter.group) + "/" + std::string(chapter.folder);
}

}  // namespace hifz::content
