#include "zip_files.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <functional>

namespace hifz::testing {
namespace {

constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::size_t kEndOfDirectorySize = 22;
constexpr std::size_t kDirectoryEntrySize = 46;
constexpr std::size_t kLocalHeaderSize = 30;

std::uint32_t readLe(const std::vector<std::uint8_t>& zip, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes; i-- > 0;) value = value << 8 | zip.at(at + static_cast<std::size_t>(i));
  return value;
}

void writeLe(std::vector<std::uint8_t>& zip, std::size_t at, int bytes, std::uint32_t value) {
  for (int i = 0; i < bytes; ++i) {
    zip.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

// Calls `visit` with each central directory entry's offset and name.
void forEachEntry(const std::vector<std::uint8_t>& zip,
                  const std::function<void(std::size_t, const std::string&)>& visit) {
  std::size_t end = zip.size() - kEndOfDirectorySize;
  while (end > 0 && readLe(zip, end, 4) != kEndOfDirectory) --end;
  const std::uint32_t entries = readLe(zip, end + 10, 2);
  std::size_t at = readLe(zip, end + 16, 4);
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::size_t nameLength = readLe(zip, at + 28, 2);
    const auto name = zip.begin() + static_cast<std::ptrdiff_t>(at + kDirectoryEntrySize);
    visit(at, std::string(name, name + static_cast<std::ptrdiff_t>(nameLength)));
    at += kDirectoryEntrySize + nameLength + readLe(zip, at + 30, 2) + readLe(zip, at + 32, 2);
  }
}

}  // namespace

void runZip(const std::filesystem::path& folder, const std::vector<std::string>& arguments) {
  QStringList list = {"-q", "-r"};
  for (const std::string& argument : arguments) list << QString::fromStdString(argument);
  QProcess zip;
  zip.setWorkingDirectory(QString::fromStdString(folder.string()));
  zip.start("zip", list);
  EXPECT_TRUE(zip.waitForFinished(30000));
  EXPECT_EQ(zip.exitCode(), 0) << zip.readAllStandardError().toStdString();
}

void changeZipEntry(std::vector<std::uint8_t>& zip, const std::string& name,
                    const ZipEntryChange& change) {
  bool found = false;
  forEachEntry(zip, [&](std::size_t central, const std::string& entryName) {
    if (entryName != name) return;
    found = true;
    const std::size_t local = readLe(zip, central + 42, 4);
    // The same fields stand 2 bytes further on in the central directory.
    for (const std::size_t header : {local - 2, central}) {
      if (change.method) writeLe(zip, header + 10, 2, *change.method);
      if (change.crc) writeLe(zip, header + 16, 4, *change.crc);
      if (change.size) writeLe(zip, header + 24, 4, *change.size);
    }
    if (change.name) {
      ASSERT_EQ(change.name->size(), name.size());
      for (const std::size_t at : {local + kLocalHeaderSize, central + kDirectoryEntrySize}) {
        std::copy(change.name->begin(), change.name->end(),
                  zip.begin() + static_cast<std::ptrdiff_t>(at));
      }
    }
  });
  EXPECT_TRUE(found) << name;
}

std::vector<std::string> zipEntryNames(const std::vector<std::uint8_t>& zip) {
  std::vector<std::string> names;
  forEachEntry(zip, [&](std::size_t, const std::string& name) { names.push_back(name); });
  return names;
}

}  // namespace hifz::testing
