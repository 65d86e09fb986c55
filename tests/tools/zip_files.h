#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace hifz::testing {

/// Runs Debian's `zip` in `folder` with `arguments` (the zip file first, then
/// what goes in it, relative to `folder`).
void runZip(const std::filesystem::path& folder, const std::vector<std::string>& arguments);

/// What to change in one entry of a zip file, as a damaged or odd one has it.
struct ZipEntryChange {
  std::optional<std::uint32_t> crc = std::nullopt;
  std::optional<std::uint32_t> size = std::nullopt;  // uncompressed
  std::optional<std::uint16_t> method = std::nullopt;
  std::optional<std::string> name = std::nullopt;  // as long as the one it replaces
};

/// Changes the entry named `name` in its local header and in the central
/// directory alike; fails the test when there is no such entry.
void changeZipEntry(std::vector<std::uint8_t>& zip, const std::string& name,
                    const ZipEntryChange& change);

/// The names of a zip file's entries, from its central directory.
std::vector<std::string> zipEntryNames(const std::vector<std::uint8_t>& zip);

}  // namespace hifz::testing
