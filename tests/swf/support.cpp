#include "support.h"

#include <gtest/gtest.h>
#include <lzma.h>
#include <zlib.h>

#include <stdexcept>

#include "swf/tag_codes.h"

namespace hifz::swf::test {

void appendU16(Bytes& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void appendU32(Bytes& out, uint32_t value) {
  appendU16(out, static_cast<uint16_t>(value));
  appendU16(out, static_cast<uint16_t>(value >> 16));
}

Bytes tagRecord(uint16_t code, const Bytes& body, bool longHeader) {
  Bytes out;
  if (longHeader || body.size() >= 0x3f) {
    appendU16(out, static_cast<uint16_t>(code << 6 | 0x3f));
    appendU32(out, static_cast<uint32_t>(body.size()));
  } else {
    appendU16(out, static_cast<uint16_t>(code << 6 | body.size()));
  }
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes plainMovie(const Bytes& tags, uint16_t frameCount) {
  // RECT 0..11000 x 0..8000 twips in 15-bit fields, then 24.0 fps.
  Bytes out = {'F',  'W',  'S',  10,   0,    0,    0,    0,    0x78, 0x00,
               0x05, 0x5F, 0x00, 0x00, 0x0F, 0xA0, 0x00, 0x00, 0x18};
  appendU16(out, frameCount);
  out.insert(out.end(), tags.begin(), tags.end());
  const auto size = static_cast<uint32_t>(out.size());
  for (size_t i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(size >> (8 * i));
  return out;
}

Bytes zlibMovie(const Bytes& plain) {
  uLongf size = compressBound(static_cast<uLong>(plain.size()));
  Bytes packed(size);
  if (compress(packed.data(), &size, plain.data() + 8, static_cast<uLong>(plain.size() - 8)) !=
      Z_OK) {
    throw std::runtime_error("compress failed");
  }
  Bytes out(plain.begin(), plain.begin() + 8);
  out[0] = 'C';
  out.insert(out.end(), packed.begin(), packed.begin() + static_cast<ptrdiff_t>(size));
  return out;
}

Bytes lzmaMovie(const Bytes& plain) {
  lzma_options_lzma options;
  lzma_lzma_preset(&options, 6);
  lzma_stream stream = LZMA_STREAM_INIT;
  if (lzma_alone_encoder(&stream, &options) != LZMA_OK) throw std::runtime_error("lzma init");
  Bytes packed(plain.size() * 2 + 1024);
  stream.next_in = plain.data() + 8;
  stream.avail_in = plain.size() - 8;
  stream.next_out = packed.data();
  stream.avail_out = packed.size();
  if (lzma_code(&stream, LZMA_FINISH) != LZMA_STREAM_END) throw std::runtime_error("lzma code");
  packed.resize(stream.total_out);
  lzma_end(&stream);
  // .lzma is properties (5), size (8), stream; ZWS keeps a 4-byte stream length
  // after the file header, then the properties and the stream.
  Bytes out(plain.begin(), plain.begin() + 8);
  out[0] = 'Z';
  appendU32(out, static_cast<uint32_t>(packed.size() - 13));
  out.insert(out.end(), packed.begin(), packed.begin() + 5);
  out.insert(out.end(), packed.begin() + 13, packed.end());
  return out;
}

Bytes withActionScript3(Bytes plain) {
  const Movie movie = readOrFail(plain);
  const Tag& first = movie.tags.at(0);
  if (first.code != tag::kFileAttributes) throw std::runtime_error("no FileAttributes");
  plain.at(first.offset) |= 0x08;
  return plain;
}

std::vector<Action> decodeActions(std::span<const uint8_t> code) {
  std::vector<Action> actions;
  size_t at = 0;
  while (true) {
    if (at >= code.size()) {
      ADD_FAILURE() << "bytecode without End action";
      return actions;
    }
    const uint8_t op = code[at++];
    if (op == 0) break;
    Action action{op, {}};
    if (op >= 0x80) {
      if (at + 2 > code.size()) {
        ADD_FAILURE() << "action length cut off";
        return actions;
      }
      const size_t length = code[at] | code[at + 1] << 8;
      at += 2;
      if (at + length > code.size()) {
        ADD_FAILURE() << "action payload cut off";
        return actions;
      }
      action.payload.assign(code.begin() + static_cast<ptrdiff_t>(at),
                            code.begin() + static_cast<ptrdiff_t>(at + length));
      at += length;
    }
    actions.push_back(action);
  }
  EXPECT_EQ(at, code.size()) << "bytes after the End action";
  return actions;
}

GetUrl decodeGetUrl(const Action& action) {
  EXPECT_EQ(action.code, 0x83);
  const std::string payload(action.payload.begin(), action.payload.end());
  const size_t split = payload.find('\0');
  EXPECT_NE(split, std::string::npos);
  EXPECT_EQ(payload.back(), '\0');
  GetUrl result;
  result.url = payload.substr(0, split);
  result.target = payload.substr(split + 1, payload.size() - split - 2);
  return result;
}

std::vector<std::vector<Tag>> framesOf(const std::vector<Tag>& tags) {
  std::vector<std::vector<Tag>> frames;
  std::vector<Tag> current;
  for (const Tag& tag : tags) {
    if (tag.code == tag::kShowFrame) {
      frames.push_back(current);
      current.clear();
    } else {
      current.push_back(tag);
    }
  }
  return frames;
}

std::vector<std::string> frameScript(const Movie& movie, const std::vector<Tag>& frame) {
  std::vector<std::string> script;
  for (const Tag& tag : frame) {
    if (tag.code != tag::kDoAction) continue;
    for (const Action& action : decodeActions(movie.body(tag))) {
      if (action.code == 0x07) {
        script.push_back("stop");
      } else if (action.code == 0x83) {
        const GetUrl url = decodeGetUrl(action);
        const std::string prefix = "FSCommand:";
        EXPECT_EQ(url.url.rfind(prefix, 0), 0u) << url.url;
        script.push_back(url.url.substr(prefix.size()) + ":" + url.target);
      } else {
        script.push_back("action " + std::to_string(action.code));
      }
    }
  }
  return script;
}

Movie readOrFail(std::span<const uint8_t> file) {
  auto movie = readMovie(file);
  if (!movie) throw std::runtime_error("readMovie failed: " + movie.error().message);
  return std::move(movie).value();
}

}  // namespace hifz::swf::test
