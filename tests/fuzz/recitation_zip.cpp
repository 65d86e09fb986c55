// libFuzzer target for the content builder's reading of a zip file
// (scripts/fuzz): any bytes open as a recitation or are refused as one, and
// every verse file in it reads, within the bytes one verse may have, or gives
// why not; without a crash, a leak or a hang.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "content/content_error.h"
#include "content/recited/recitation_source.h"

namespace {

using namespace hifz::content;

constexpr const char* kShownName = "recitation.zip";

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<RecitationSource> source;
  try {
    source = openRecitationZipBytes(std::span<const std::uint8_t>(data, size), kShownName);
  } catch (const ContentError&) {
    return 0;
  }
  const std::vector<VerseFile>& verses = source->verses();
  for (std::size_t i = 0; i < verses.size(); ++i) {
    const VerseFile& verse = verses[i];
    check(verse.surah > 0 && verse.name == std::string(kShownName) + ":" + verse.path);
    check(i == 0 || std::pair(verses[i - 1].surah, verses[i - 1].verse) <
                        std::pair(verse.surah, verse.verse));
    const FileBytes bytes = source->read(verse);
    if (const auto* read = std::get_if<std::vector<std::uint8_t>>(&bytes)) {
      check(read->size() <= kMostVerseBytes);
    } else {
      check(!std::get<ReadProblem>(bytes).why.empty());
    }
  }
  return 0;
}
