#include "movie_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <span>

#include "swf/bytes.h"
#include "swf/compression.h"

namespace hifz::testing {
namespace {

constexpr uint16_t kShowFrame = 1;
constexpr uint16_t kDefineShape = 2;
constexpr uint16_t kSetBackgroundColor = 9;
constexpr uint16_t kDoAction = 12;
constexpr uint16_t kDefineSound = 14;
constexpr uint16_t kStartSound = 15;
constexpr int kMp3 = 2;
constexpr uint16_t kSoundStreamBlock = 19;
constexpr uint16_t kDefineShape2 = 22;
constexpr uint16_t kDefineShape3 = 32;
constexpr uint16_t kDefineButton2 = 34;
constexpr uint16_t kDefineBitsLossless2 = 36;
constexpr uint16_t kSoundStreamHead2 = 45;
constexpr uint16_t kDefineShape4 = 83;
constexpr uint8_t kBitmapArgb32 = 5;
constexpr uint8_t kButtonHit = 0x08;
constexpr uint8_t kButtonHasFilters = 0x10;
constexpr uint8_t kButtonHasBlendMode = 0x20;
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

// Shapes' bounds by character id.
using ShapeBounds = std::map<uint16_t, swf::Rect>;

swf::Rect readRect(swf::ByteReader& bytes) {
  swf::BitReader bits(bytes);
  const unsigned size = bits.unsignedBits(5);
  swf::Rect rect;
  rect.xMin = bits.signedBits(size);
  rect.xMax = bits.signedBits(size);
  rect.yMin = bits.signedBits(size);
  rect.yMax = bits.signedBits(size);
  return rect;
}

swf::Rect united(const swf::Rect& one, const swf::Rect& other) {
  return {std::min(one.xMin, other.xMin), std::max(one.xMax, other.xMax),
          std::min(one.yMin, other.yMin), std::max(one.yMax, other.yMax)};
}

// A MATRIX record: x' = a x + c y + tx, y' = b x + d y + ty, moves in twips.
struct Placement {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

  // The bounds of `rect` once placed.
  swf::Rect bounds(const swf::Rect& rect) const {
    std::optional<swf::Rect> result;
    for (const int32_t x : {rect.xMin, rect.xMax}) {
      for (const int32_t y : {rect.yMin, rect.yMax}) {
        const auto px = static_cast<int32_t>(std::lround(a * x + c * y + tx));
        const auto py = static_cast<int32_t>(std::lround(b * x + d * y + ty));
        const swf::Rect corner{px, px, py, py};
        result = result ? united(*result, corner) : corner;
      }
    }
    return *result;
  }
};

Placement readMatrix(swf::ByteReader& bytes) {
  swf::BitReader bits(bytes);
  constexpr double kFixed = 65536;
  Placement placement;
  if (bits.unsignedBits(1) != 0) {
    const unsigned size = bits.unsignedBits(5);
    placement.a = bits.signedBits(size) / kFixed;
    placement.d = bits.signedBits(size) / kFixed;
  }
  if (bits.unsignedBits(1) != 0) {
    const unsigned size = bits.unsignedBits(5);
    placement.b = bits.signedBits(size) / kFixed;
    placement.c = bits.signedBits(size) / kFixed;
  }
  const unsigned size = bits.unsignedBits(5);
  placement.tx = bits.signedBits(size);
  placement.ty = bits.signedBits(size);
  return placement;
}

void skipColourTransform(swf::ByteReader& bytes) {
  swf::BitReader bits(bytes);
  const bool adds = bits.unsignedBits(1) != 0;
  const bool multiplies = bits.unsignedBits(1) != 0;
  const unsigned size = bits.unsignedBits(4);
  const int terms = (adds ? 4 : 0) + (multiplies ? 4 : 0);
  for (int term = 0; term < terms; ++term) bits.signedBits(size);
}

// Where the button's hit state lies: its shapes' bounds as the button places them.
void readHitArea(std::span<const uint8_t> body, const ShapeBounds& shapes, MovieFacts& facts) {
  swf::ByteReader bytes(body, 5);
  std::optional<swf::Rect> area;
  for (uint8_t states = bytes.u8(); states != 0 && !bytes.failed(); states = bytes.u8()) {
    const uint16_t character = bytes.u16();
    bytes.u16();  // depth
    const Placement placement = readMatrix(bytes);
    skipColourTransform(bytes);
    if ((states & kButtonHasFilters) != 0) {
      ADD_FAILURE() << "a button record with filters is not read here";
      break;
    }
    if ((states & kButtonHasBlendMode) != 0) bytes.u8();
    const auto shape = shapes.find(character);
    if ((states & kButtonHit) == 0 || shape == shapes.end()) continue;
    const swf::Rect placed = placement.bounds(shape->second);
    area = area ? united(*area, placed) : placed;
  }
  if (bytes.failed() || !area) ADD_FAILURE() << "a button without a hit shape";
  facts.buttonHitAreas.push_back(area.value_or(swf::Rect{}));
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

std::vector<std::uint32_t> pixelsOf(const StoredBitmap& bitmap) {
  const std::size_t count = static_cast<std::size_t>(bitmap.width) * bitmap.height;
  const auto bytes = swf::inflateZlib(bitmap.packed, count * 4);
  if (!bytes || bytes->size() != count * 4) {
    ADD_FAILURE() << "a bitmap's pixels do not unpack";
    return {};
  }
  std::vector<std::uint32_t> pixels(count);
  for (std::size_t i = 0; i < count; ++i) {
    pixels[i] = static_cast<uint32_t>((*bytes)[i * 4]) << 24 |
                static_cast<uint32_t>((*bytes)[i * 4 + 1]) << 16 |
                static_cast<uint32_t>((*bytes)[i * 4 + 2]) << 8 | (*bytes)[i * 4 + 3];
  }
  return pixels;
}

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
  ShapeBounds shapes;
  for (const swf::Tag& tag : movie->tags) {
    const auto body = movie->body(tag);
    switch (tag.code) {
      case kSetBackgroundColor:
        facts.background = static_cast<uint32_t>(body[0] << 16 | body[1] << 8 | body[2]);
        break;
      case kDefineShape:
      case kDefineShape2:
      case kDefineShape3:
      case kDefineShape4: {
        swf::ByteReader bounds(body, 2);
        shapes[u16(body, 0)] = readRect(bounds);
        break;
      }
      case kDefineBitsLossless2:
        if (body[2] == kBitmapArgb32) {
          facts.bitmaps.push_back(
              {u16(body, 3), u16(body, 5), std::vector<uint8_t>(body.begin() + 7, body.end())});
        }
        break;
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
        readHitArea(body, shapes, facts);
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
