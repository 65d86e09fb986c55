#include "test_movies.h"

#include <stdexcept>
#include <string>

#include "swf/bytes.h"
#include "swf/records.h"
#include "swf/tag_codes.h"
#include "swf/writer.h"

namespace hifz::testing {
namespace {

swf::MovieOptions options() {
  swf::MovieOptions options;
  options.width = kMovieWidth;
  options.height = kMovieHeight;
  options.frameRate = kMovieFrameRate;
  return options;
}

// ActionScript bytecode the writer has no words for, spelled out: pushes of
// strings and numbers, and operations without arguments.
class Bytecode {
 public:
  Bytecode& push(std::string_view text) {
    swf::ByteWriter entry;
    entry.u8(0);  // a string
    entry.string(text);
    return record(0x96, entry.data());
  }
  Bytecode& push(std::int32_t number) {
    swf::ByteWriter entry;
    entry.u8(7);  // a 32-bit integer
    entry.u32(static_cast<std::uint32_t>(number));
    return record(0x96, entry.data());
  }
  Bytecode& op(std::uint8_t code) {
    out_.u8(code);
    return *this;
  }
  std::vector<std::uint8_t> done() {
    out_.u8(0);
    return out_.take();
  }

 private:
  Bytecode& record(std::uint8_t code, const std::vector<std::uint8_t>& payload) {
    out_.u8(code);
    out_.u16(static_cast<std::uint16_t>(payload.size()));
    out_.bytes(payload);
    return *this;
  }
  swf::ByteWriter out_;
};

constexpr std::uint8_t kGetVariable = 0x1c;
constexpr std::uint8_t kGetMember = 0x4e;
constexpr std::uint8_t kCallMethod = 0x52;
constexpr std::uint8_t kPop = 0x17;

// `movie` (uncompressed) with a DoAction of `code` as its first tag.
std::vector<std::uint8_t> withFirstAction(std::vector<std::uint8_t> movie,
                                          const std::vector<std::uint8_t>& code) {
  const auto read = swf::readMovie(movie);
  if (!read) throw std::runtime_error(read.error().message);
  swf::ByteWriter tag;
  swf::writeTag(tag, swf::tag::kDoAction, code);
  movie.insert(movie.begin() + read->tagsOffset, tag.data().begin(), tag.data().end());
  const auto length = static_cast<std::uint32_t>(movie.size());
  for (std::size_t i = 0; i < 4; ++i) movie[4 + i] = static_cast<std::uint8_t>(length >> (8 * i));
  return movie;
}

}  // namespace

std::uint32_t frameColor(int frame) {
  static constexpr std::uint32_t kColors[] = {0xc02020, 0x20c020, 0x2020c0, 0xc0c020};
  return kColors[frame % 4];
}

std::vector<std::uint8_t> blankMovie() {
  swf::MovieBuilder movie(options());
  movie.showFrame();
  return movie.build();
}

swf::Pcm tone(double seconds) { return swf::sineTone(440, seconds, 0.5, swf::SampleRate::k22050); }

std::vector<std::uint8_t> timelineMovie(int frames, const std::map<int, swf::ActionList>& actions,
                                        const std::optional<swf::Pcm>& stream) {
  swf::MovieBuilder movie(options());
  if (stream) movie.streamSound(*stream);
  for (int frame = 0; frame < frames; ++frame) {
    const auto fill =
        movie.defineRectangle(kMovieWidth, kMovieHeight, swf::Color::rgb(frameColor(frame)));
    if (frame > 0) movie.remove(1);
    movie.place(fill, 1);
    if (const auto found = actions.find(frame); found != actions.end())
      movie.actions(found->second);
    movie.showFrame();
  }
  return movie.build();
}

std::vector<std::uint8_t> stillThenMovingMovie(int stillFrames, int movingFrames) {
  swf::MovieBuilder movie(options());
  for (int frame = 0; frame < stillFrames + movingFrames; ++frame) {
    if (frame == 0 || frame >= stillFrames) {
      const auto color = frame < stillFrames ? frameColor(0) : frameColor(frame);
      const auto fill = movie.defineRectangle(kMovieWidth, kMovieHeight, swf::Color::rgb(color));
      if (frame > 0) movie.remove(1);
      movie.place(fill, 1);
    }
    movie.showFrame();
  }
  return movie.build();
}

std::vector<std::uint8_t> buttonMovie(std::string_view command, std::string_view args) {
  swf::MovieBuilder movie(options());
  swf::Button button;
  button.up = swf::ButtonFace(
      movie.defineRectangle(kMovieWidth, kMovieHeight, swf::Color::rgb(frameColor(0))));
  button.onRelease.fscommand(command, args);
  movie.place(movie.defineButton(button), 1);
  movie.showFrame();
  return movie.build();
}

std::vector<std::uint8_t> externalCallMovie(int frames, std::string_view function) {
  // Arguments last to first, their count, the object, the method's name.
  const std::vector<std::uint8_t> call = Bytecode()
                                             .push(function)
                                             .push(1)
                                             .push("flash")
                                             .op(kGetVariable)
                                             .push("external")
                                             .op(kGetMember)
                                             .push("ExternalInterface")
                                             .op(kGetMember)
                                             .push("call")
                                             .op(kCallMethod)
                                             .op(kPop)
                                             .done();
  return withFirstAction(timelineMovie(frames), call);
}

}  // namespace hifz::testing
