#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hifz::content {

/// A file of the sample content: its path relative to the folder it is made
/// for (the data folder, or a chapter folder), with '/' between folders.
struct ContentFile {
  std::string path;
  std::vector<std::uint8_t> bytes;
};

}  // namespace hifz::content
