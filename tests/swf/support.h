#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "swf/reader.h"

// Test helpers that build and take apart movies without going through the code
// under test, so a shared misunderstanding cannot hide a bug.
namespace hifz::swf::test {

using Bytes = std::vector<uint8_t>;

void appendU16(Bytes& out, uint16_t value);
void appendU32(Bytes& out, uint32_t value);

// One tag record; `longHeader` forces the 6-byte header even for a short body.
Bytes tagRecord(uint16_t code, const Bytes& body, bool longHeader = false);

// A 550x400 px, 24 fps, version 10 FWS movie around raw tag records. The header
// bytes are spelled out by hand; the length field is the real size.
Bytes plainMovie(const Bytes& tags, uint16_t frameCount = 1);
// The same movie packed the other two ways.
Bytes zlibMovie(const Bytes& plain);
Bytes lzmaMovie(const Bytes& plain);

// Sets the ActionScript 3 flag of the leading FileAttributes tag of an FWS movie.
Bytes withActionScript3(Bytes plain);

struct Action {
  uint8_t code = 0;
  Bytes payload;
};
// Splits DoAction or button bytecode into records; fails the test on bad bytecode.
std::vector<Action> decodeActions(std::span<const uint8_t> code);

struct GetUrl {
  std::string url;
  std::string target;
};
GetUrl decodeGetUrl(const Action& action);

// Tags of a timeline grouped by frame, ShowFrame excluded; tags after the last
// ShowFrame form no frame.
std::vector<std::vector<Tag>> framesOf(const std::vector<Tag>& tags);

// The fscommands run by the DoAction tags of `frame`, in order, as "command:args",
// with "stop" for each stop().
std::vector<std::string> frameScript(const Movie& movie, const std::vector<Tag>& frame);

Movie readOrFail(std::span<const uint8_t> file);

}  // namespace hifz::swf::test
