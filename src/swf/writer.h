#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "swf/actions.h"
#include "swf/bitmap.h"
#include "swf/button.h"
#include "swf/bytes.h"
#include "swf/reader.h"
#include "swf/shape.h"
#include "swf/sound.h"
#include "swf/types.h"

namespace hifz::swf {

struct MovieOptions {
  // 10 is ActionScript 1/2 with everything the builder writes. Zlib output needs 6
  // or later, LZMA output 13 or later.
  uint8_t version = 10;
  double width = 800;  // stage size in pixels
  double height = 600;
  double frameRate = 24;
  Color background = Color::rgb(0xffffff);
};

// Builds an ActionScript 1/2 movie from code, frame by frame: define characters,
// put things in the current frame, then showFrame(). Misuse (unknown ids, values a
// movie cannot hold) throws std::invalid_argument or std::out_of_range.
//
//   MovieOptions options;
//   options.width = 320;
//   options.height = 240;
//   MovieBuilder movie(options);
//   const CharacterId box = movie.defineRectangle(100, 50, Color::rgb(0x2060c0));
//   movie.place(box, 1, Matrix::translate(10, 20));
//   movie.stop();
//   movie.showFrame();
//   std::vector<uint8_t> file = movie.build();
class MovieBuilder {
 public:
  explicit MovieBuilder(const MovieOptions& options = {});

  // Definitions: each returns the new character's id.
  CharacterId defineShape(const Path& path, const ShapeStyle& style);
  // A filled rectangle with its top left corner at the origin.
  CharacterId defineRectangle(double width, double height, Color fill);
  CharacterId defineBitmap(const Bitmap& bitmap);
  // A rectangle the size of the bitmap showing it pixel for pixel, top left at the origin.
  CharacterId defineBitmapRectangle(CharacterId bitmap);
  CharacterId defineButton(const Button& button);
  CharacterId defineSound(const Pcm& sound);
  CharacterId defineSound(const Mp3Sound& sound);

  // Content of the frame being built.
  void place(CharacterId character, uint16_t depth, const Matrix& matrix = {},
             std::string_view name = {});
  void remove(uint16_t depth);
  void actions(const ActionList& actions);
  void stop();
  void fscommand(std::string_view command, std::string_view args);
  void startSound(CharacterId sound, uint16_t loops = 1);
  // Plays `sound` along with the timeline from this frame on, one block per frame.
  // Only one stream per movie; frames shown after it runs out carry no block.
  void streamSound(const Pcm& sound);
  // Ends the current frame.
  void showFrame();

  uint16_t frameCount() const { return frames_; }

  // The finished movie. A frame still being built is ended first, and a movie with
  // no frame gets an empty one.
  std::vector<uint8_t> build(Compression compression = Compression::kNone) const;

 private:
  enum class Kind { kShape, kBitmap, kButton, kSound };
  struct Stream {
    Pcm sound;
    uint16_t firstFrame = 0;
  };

  CharacterId add(Kind kind, uint16_t code, const std::vector<uint8_t>& body);
  void require(CharacterId id, Kind kind) const;
  void tag(uint16_t code, std::span<const uint8_t> body);

  MovieOptions options_;
  ByteWriter tags_;
  std::map<CharacterId, Kind> kinds_;
  std::map<CharacterId, std::pair<uint16_t, uint16_t>> bitmapSizes_;
  CharacterId nextId_ = 1;
  uint16_t frames_ = 0;
  bool frameHasContent_ = false;
  std::optional<Stream> stream_;
};

}  // namespace hifz::swf
