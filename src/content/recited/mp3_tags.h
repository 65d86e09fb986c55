#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace hifz::content {

/// Whether `text` stands in the file at `at`.
bool textAt(std::span<const std::uint8_t> file, std::size_t at, std::string_view text);

/// Where the sound begins: after the ID3v2 tags at the file's start (maybe
/// beyond its end, when a tag says it is longer than the file).
std::size_t afterId3v2Tags(std::span<const std::uint8_t> file);

/// Where the tags at the file's end begin, no earlier than `start`: ID3v1,
/// APE (with or without its header) and Lyrics3 v2, in any order.
std::size_t beforeEndTags(std::span<const std::uint8_t> file, std::size_t start);

/// Whether bytes after the last frame are a tag or zero padding, which a user
/// need not hear of.
bool isTagOrPadding(std::span<const std::uint8_t> rest);

}  // namespace hifz::content
