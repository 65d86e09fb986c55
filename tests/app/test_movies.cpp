#include "test_movies.h"

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

}  // namespace hifz::testing
