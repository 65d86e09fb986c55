#include "swf/writer.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "swf/compression.h"
#include "swf/records.h"
#include "swf/tag_codes.h"

namespace hifz::swf {
namespace {

constexpr uint8_t kPlaceHasCharacter = 0x02;
constexpr uint8_t kPlaceHasMatrix = 0x04;
constexpr uint8_t kPlaceHasName = 0x20;
constexpr uint8_t kSoundHasLoops = 0x04;

uint16_t fixed8(double value) {
  const double fixed = std::round(value * 256);
  if (!(fixed >= 1 && fixed <= UINT16_MAX)) throw std::out_of_range("frame rate out of range");
  return static_cast<uint16_t>(fixed);
}

}  // namespace

MovieBuilder::MovieBuilder(const MovieOptions& options) : options_(options) {
  if (options.version == 0) throw std::invalid_argument("version 0");
  if (toTwips(options.width) <= 0 || toTwips(options.height) <= 0) {
    throw std::out_of_range("stage size must be positive");
  }
  fixed8(options.frameRate);
}

void MovieBuilder::tag(uint16_t code, std::span<const uint8_t> body) {
  writeTag(tags_, code, body);
  frameHasContent_ = true;
}

CharacterId MovieBuilder::add(Kind kind, uint16_t code, const std::vector<uint8_t>& body) {
  tag(code, body);
  kinds_[nextId_] = kind;
  return nextId_++;
}

void MovieBuilder::require(CharacterId id, Kind kind) const {
  const auto it = kinds_.find(id);
  if (it == kinds_.end() || it->second != kind) {
    throw std::invalid_argument("character " + std::to_string(id) + " is not of the kind needed");
  }
}

CharacterId MovieBuilder::defineShape(const Path& path, const ShapeStyle& style) {
  if (nextId_ == 0) throw std::out_of_range("out of character ids");
  if (style.fill) {
    if (const auto* bitmap = std::get_if<BitmapFill>(&*style.fill)) {
      require(bitmap->bitmap, Kind::kBitmap);
    }
  }
  return add(Kind::kShape, tag::kDefineShape3, encodeShape(nextId_, path, style));
}

CharacterId MovieBuilder::defineRectangle(double width, double height, Color fill) {
  return defineShape(Path::rectangle(0, 0, width, height), ShapeStyle::filled(fill));
}

CharacterId MovieBuilder::defineBitmap(const Bitmap& bitmap) {
  if (nextId_ == 0) throw std::out_of_range("out of character ids");
  bitmapSizes_[nextId_] = {bitmap.width, bitmap.height};
  return add(Kind::kBitmap, tag::kDefineBitsLossless2, encodeBitmap(nextId_, bitmap));
}

CharacterId MovieBuilder::defineBitmapRectangle(CharacterId bitmap) {
  require(bitmap, Kind::kBitmap);
  const auto [width, height] = bitmapSizes_.at(bitmap);
  return defineShape(Path::rectangle(0, 0, width, height), ShapeStyle::filled(BitmapFill(bitmap)));
}

CharacterId MovieBuilder::defineButton(const Button& button) {
  if (nextId_ == 0) throw std::out_of_range("out of character ids");
  for (const auto& face : {std::optional(button.up), button.over, button.down, button.hit}) {
    if (face) require(face->character, Kind::kShape);
  }
  return add(Kind::kButton, tag::kDefineButton2, encodeButton(nextId_, button));
}

CharacterId MovieBuilder::defineSound(const Pcm& sound) {
  if (nextId_ == 0) throw std::out_of_range("out of character ids");
  return add(Kind::kSound, tag::kDefineSound, encodeSound(nextId_, sound));
}

CharacterId MovieBuilder::defineSound(const Mp3Sound& sound) {
  if (nextId_ == 0) throw std::out_of_range("out of character ids");
  return add(Kind::kSound, tag::kDefineSound, encodeSound(nextId_, sound));
}

void MovieBuilder::place(CharacterId character, uint16_t depth, const Matrix& matrix,
                         std::string_view name) {
  const auto it = kinds_.find(character);
  if (it == kinds_.end() || (it->second != Kind::kShape && it->second != Kind::kButton)) {
    throw std::invalid_argument("only shapes and buttons can be placed");
  }
  if (name.find('\0') != std::string_view::npos) throw std::invalid_argument("NUL in name");
  ByteWriter body;
  body.u8(static_cast<uint8_t>(kPlaceHasCharacter | kPlaceHasMatrix |
                               (name.empty() ? 0 : kPlaceHasName)));
  body.u16(depth);
  body.u16(character);
  writeMatrix(body, matrix);
  if (!name.empty()) body.string(name);
  tag(tag::kPlaceObject2, body.data());
}

void MovieBuilder::remove(uint16_t depth) {
  ByteWriter body;
  body.u16(depth);
  tag(tag::kRemoveObject2, body.data());
}

void MovieBuilder::actions(const ActionList& actions) { tag(tag::kDoAction, actions.bytes()); }

void MovieBuilder::stop() { actions(ActionList().stop()); }

void MovieBuilder::fscommand(std::string_view command, std::string_view args) {
  actions(ActionList().fscommand(command, args));
}

void MovieBuilder::startSound(CharacterId sound, uint16_t loops) {
  require(sound, Kind::kSound);
  if (loops == 0) throw std::invalid_argument("a sound plays at least once");
  ByteWriter body;
  body.u16(sound);
  body.u8(loops > 1 ? kSoundHasLoops : 0);
  if (loops > 1) body.u16(loops);
  tag(tag::kStartSound, body.data());
}

void MovieBuilder::streamSound(const Pcm& sound) {
  if (stream_) throw std::invalid_argument("a movie carries only one sound stream");
  const double perFrame = samplesPerSecond(sound.rate) * 256 / fixed8(options_.frameRate);
  if (perFrame > UINT16_MAX) throw std::out_of_range("too many samples per frame");
  tag(tag::kSoundStreamHead2,
      encodeStreamHead(sound.rate, static_cast<uint16_t>(std::lround(perFrame))));
  stream_ = Stream{sound, frames_};
}

void MovieBuilder::showFrame() {
  if (frames_ == UINT16_MAX) throw std::out_of_range("too many frames");
  if (stream_) {
    // Cut on exact sample positions so rounding never drifts against the frames.
    const double perFrame =
        samplesPerSecond(stream_->sound.rate) * 256 / fixed8(options_.frameRate);
    const size_t index = frames_ - stream_->firstFrame;
    const size_t total = stream_->sound.samples.size();
    const size_t begin = std::min(total, static_cast<size_t>(std::floor(index * perFrame)));
    const size_t end = std::min(total, static_cast<size_t>(std::floor((index + 1) * perFrame)));
    if (begin < end) {
      std::vector<uint8_t> block;
      appendSamples(block,
                    std::span<const int16_t>(stream_->sound.samples).subspan(begin, end - begin));
      tag(tag::kSoundStreamBlock, block);
    }
  }
  tag(tag::kShowFrame, {});
  ++frames_;
  frameHasContent_ = false;
}

std::vector<uint8_t> MovieBuilder::build(Compression compression) const {
  if (frameHasContent_ || frames_ == 0) {
    MovieBuilder finished = *this;
    finished.showFrame();
    return finished.build(compression);
  }
  if ((compression == Compression::kZlib && options_.version < 6) ||
      (compression == Compression::kLzma && options_.version < 13)) {
    throw std::invalid_argument("this compression needs a later movie version");
  }

  ByteWriter body;
  writeRect(body, {0, toTwips(options_.width), 0, toTwips(options_.height)});
  body.u16(fixed8(options_.frameRate));
  body.u16(frames_);
  const uint32_t noFlags = 0;  // ActionScript 1/2, no network access, no metadata
  ByteWriter attributes;
  attributes.u32(noFlags);
  writeTag(body, tag::kFileAttributes, attributes.data());
  ByteWriter background;
  writeRgb(background, options_.background);
  writeTag(body, tag::kSetBackgroundColor, background.data());
  body.bytes(tags_.data());
  writeTag(body, tag::kEnd, {});

  const size_t length = kFileHeaderSize + body.size();
  if (length > UINT32_MAX) throw std::length_error("movie too large");
  ByteWriter file;
  file.u8(compression == Compression::kNone ? 'F' : compression == Compression::kZlib ? 'C' : 'Z');
  file.u8('W');
  file.u8('S');
  file.u8(options_.version);
  file.u32(static_cast<uint32_t>(length));
  switch (compression) {
    case Compression::kNone:
      file.bytes(body.data());
      break;
    case Compression::kZlib:
      file.bytes(deflateZlib(body.data()));
      break;
    case Compression::kLzma: {
      const LzmaPacked packed = compressLzma(body.data());
      file.u32(static_cast<uint32_t>(packed.stream.size()));
      file.bytes(packed.properties);
      file.bytes(packed.stream);
      break;
    }
  }
  return file.take();
}

}  // namespace hifz::swf
