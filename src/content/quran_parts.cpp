#include "content/quran_parts.h"

#include <stdexcept>
#include <string>

#include "content/quran_parts_data.h"

namespace hifz::content {
namespace {

constexpr int kChapters = 114;

bool startsBefore(const generated::PartStart& start, int surah, int verse) {
  return start.surah < surah || (start.surah == surah && start.verse <= verse);
}

}  // namespace

int partOfChapter(int surah) {
  if (surah < 1 || surah > kChapters)
    throw std::out_of_range("no chapter " + std::to_string(surah));
  int part = 1;
  while (part < kParts && startsBefore(generated::kPartStarts[part], surah, 1)) ++part;
  return part;
}

std::vector<int> chaptersInPart(int part) {
  if (part < 1 || part > kParts) throw std::out_of_range("no part " + std::to_string(part));
  const generated::PartStart first = generated::kPartStarts[part - 1];
  // The next part's first verse ends this one; the last part runs to the end.
  const generated::PartStart end =
      part < kParts ? generated::kPartStarts[part] : generated::PartStart{kChapters + 1, 1};
  std::vector<int> chapters;
  for (int surah = first.surah; surah < end.surah || (surah == end.surah && end.verse > 1); ++surah)
    chapters.push_back(surah);
  return chapters;
}

}  // namespace hifz::content
