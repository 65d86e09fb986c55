// libFuzzer target for the movie reader and the slot's rewrite (scripts/fuzz).
// With HIFZ_FUZZ_SEEDS naming a folder, it first writes a few small movies
// from MovieBuilder there, so the fuzzer starts from real structure.
//
// Besides "no crash, no leak, no undefined behaviour", each input checks that a
// plain movie and its zlib-packed twin read alike, and that a rewritten movie
// reads back with the same frames.

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "swf/compression.h"
#include "swf/reader.h"
#include "swf/rewrite.h"
#include "swf/writer.h"

namespace {

using hifz::swf::Compression;
using hifz::swf::Movie;
using hifz::swf::Result;

void check(bool condition) {
  if (!condition) std::abort();
}

bool sameOutcome(const Result<Movie>& a, const Result<Movie>& b) {
  if (a.ok() != b.ok()) return false;
  if (!a.ok()) return a.error().code == b.error().code;
  return a->bytes == b->bytes && a->tags.size() == b->tags.size() &&
         a->actionScript3 == b->actionScript3 && a->header.frameRate == b->header.frameRate;
}

template <typename T>
bool refusedAsTooLarge(const Result<T>& result) {
  return !result.ok() && result.error().code == hifz::swf::ErrorCode::kTooLarge;
}

void writeSeeds(const std::string& folder) {
  using namespace hifz::swf;
  MovieBuilder builder;
  const CharacterId box = builder.defineRectangle(40, 20, Color::rgb(0x3366cc));
  Button button;
  button.up = ButtonFace(box);
  button.onRelease.fscommand("goto", "menu");
  builder.place(builder.defineButton(button), 1, Matrix::translate(10, 10));
  builder.fscommand("hello", "1");
  builder.showFrame();
  Bitmap bitmap;
  bitmap.width = 2;
  bitmap.height = 2;
  bitmap.argb = {0xff000000, 0x80ffffff, 0x00000000, 0xffff0000};
  builder.place(builder.defineBitmapRectangle(builder.defineBitmap(bitmap)), 2);
  builder.streamSound(sineTone(440, 0.2, 0.5, SampleRate::k5512));
  builder.showFrame();
  builder.stop();
  builder.showFrame();
  MovieBuilder modern([] {
    MovieOptions options;
    options.version = 13;
    return options;
  }());
  modern.defineSound(sineTone(220, 0.05, 0.3, SampleRate::k5512));
  const std::pair<const char*, std::vector<uint8_t>> seeds[] = {
      {"plain.swf", builder.build()},
      {"zlib.swf", builder.build(Compression::kZlib)},
      {"lzma.swf", modern.build(Compression::kLzma)},
  };
  for (const auto& [name, bytes] : seeds) {
    std::ofstream(folder + "/" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (const char* folder = std::getenv("HIFZ_FUZZ_SEEDS")) writeSeeds(folder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  const auto movie = hifz::swf::readMovie(input);

  if (size >= hifz::swf::kFileHeaderSize && data[0] == 'F') {
    std::vector<uint8_t> packed(data, data + hifz::swf::kFileHeaderSize);
    packed[0] = 'C';
    const auto body = hifz::swf::deflateZlib(input.subspan(hifz::swf::kFileHeaderSize));
    packed.insert(packed.end(), body.begin(), body.end());
    check(sameOutcome(movie, hifz::swf::readMovie(packed)));
  }

  for (const bool stops : {false, true}) {
    const auto rewritten = hifz::swf::rewriteForSlot(input, {stops, stops});
    // Beyond what the reader refuses, only a movie too large to mark.
    check(rewritten.ok() ? movie.ok() : !movie.ok() || refusedAsTooLarge(rewritten));
    if (!rewritten || !rewritten->rewritten) continue;
    const auto again = hifz::swf::readMovie(rewritten->bytes);
    check(again.ok());
    check(again->header.fileLength == rewritten->bytes.size());
    check(!again->tags.empty() && again->tags.back().code == 0);
    // Marked once more, it may have no character id left for a second clip.
    const auto twice = hifz::swf::rewriteForSlot(rewritten->bytes, {});
    check(twice.ok() ? twice->frameCount == rewritten->frameCount : refusedAsTooLarge(twice));
  }
  return 0;
}
