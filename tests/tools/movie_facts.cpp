#include "movie_facts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <span>

namespace hifz::testing {
namespace {

constexpr uint16_t kShowFrame = 1;
constexpr uint16_t kDoAction = 12;
constexpr uint16_t kDefineSound = 14;
constexpr uint16_t kStartSound = 15;
constexpr int kMp3 = 2;
constexpr uint16_t kSoundStreamBlock = 19;
constexpr uint16_t kDefineButton2 = 34;
constexpr uint16_t kSoundStreamHead2 = 45;
constexpr uint8_t kActionStop = 0x07;
constexpr uint8_t kActionGetUrl = 0x83;
constexpr std::string_view kFsCommand = "FSCommand:";

uint16_t u16(std::span<const uint8_t> bytes, std::size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t u32(std::span<const uint8_t> bytes, std::size_t at) {
  return u16(bytes, at) | static_cast<uint32_t>(u16(bytes, at + 2)) << 16;
}

// Samples a second for the rate bits of a sound format byte.
double rateOf(uint8_t format) {
  static constexpr double kRates[] = {5512.5, 11025, 22050, 44100};
  return kRates[(format >> 2) & 3];
}

struct Action {
  uint8_t code;
  std::span<const uint8_t> payload;
};

std::vector<Action> actionsIn(std::span<const uint8_t> code) {
  std::vector<Action> actions;
  std::size_t at = 0;
  while (at < code.size() && code[at] != 0) {
    const uint8_t op = code[at++];
    std::size_t length = 0;
    if (op >= 0x80) {
      length = u16(code, at);
      at += 2;
    }
    actions.push_back({op, code.subspan(at, length)});
    at += length;
  }
  return actions;
}

// "FSCommand:click" with target "3" gives "click:3".
std::string commandOf(const Action& action) {
  const std::string text(action.payload.begin(), action.payload.end());
  const std::string url = text.substr(0, text.find('\0'));
  const std::string target =
      text.substr(url.size() + 1, text.find('\0', url.size() + 1) - url.size() - 1);
  return (url.starts_with(kFsCommand) ? url.substr(kFsCommand.size()) : url) + ":" + target;
}

void readButton(std::span<const uint8_t> body, MovieFacts& facts) {
  const uint16_t offset = u16(body, 3);
  if (offset == 0) return;
  std::size_t at = 3 + offset;
  while (at + 4 <= body.size()) {
    const uint16_t size = u16(body, at);
    const auto code = body.subspan(at + 4, size == 0 ? body.size() - at - 4 : size - 4);
    for (const Action& action : actionsIn(code)) {
      if (action.code == kActionGetUrl) facts.buttonCommands.push_back(commandOf(action));
    }
    if (size == 0) break;
    at += size;
  }
}

}  // namespace

std::optional<MovieFacts> factsOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  const auto movie = swf::readMovie(bytes);
  if (!movie) {
    ADD_FAILURE() << file << " does not read as a movie";
    return std::nullopt;
  }
  MovieFacts facts;
  facts.header = movie->header;
  facts.widthPixels = movie->header.frameSize.width() / 20.0;
  facts.heightPixels = movie->header.frameSize.height() / 20.0;
  bool frameStops = false;
  for (const swf::Tag& tag : movie->tags) {
    const auto body = movie->body(tag);
    switch (tag.code) {
      case kShowFrame:
        ++facts.framesShown;
        facts.stopsOnLastFrame = frameStops;
        frameStops = false;
        break;
      case kDoAction:
        for (const Action& action : actionsIn(body)) frameStops |= action.code == kActionStop;
        break;
      case kSoundStreamHead2:
        facts.streamRate = rateOf(body[1]);
        break;
      case kSoundStreamBlock:
        facts.streamSamples += body.size() / 2;  // 16-bit mono
        break;
      case kDefineSound: {
        EventSound sound{body[2] >> 4, rateOf(body[2]), (body[2] & 1) != 0, u32(body, 3), {}};
        const std::size_t data = sound.format == kMp3 ? 9 : 7;  // MP3 has SeekSamples first
        sound.data.assign(body.begin() + static_cast<std::ptrdiff_t>(data), body.end());
        facts.longestEventSound = std::max(facts.longestEventSound, sound.samples / sound.rate);
        facts.eventSounds.push_back(std::move(sound));
        break;
      }
      case kStartSound:
        ++facts.soundStarts;
        break;
      case kDefineButton2:
        readButton(body, facts);
        break;
    }
  }
  return facts;
}

std::vector<std::string> clickKeys(const MovieFacts& facts) {
  std::vector<std::string> keys;
  for (const std::string& command : facts.buttonCommands) {
    if (command.starts_with("click:")) keys.push_back(command.substr(6));
  }
  return keys;
}

}  // namespace hifz::testing
