#include "navigation/catalog_reading.h"

#include <string_view>

namespace hifz {

std::optional<CatalogReading> readCatalog(const FileSystem& files, const std::string& dataFolder) {
  const std::string path = dataFolder + std::string(kCatalogFileName);
  const std::optional<std::uintmax_t> size = files.fileSize(path);
  if (!size) return std::nullopt;
  if (*size > kLargestCatalog) return CatalogReading{std::nullopt, "it is larger than 1 MiB"};
  const auto bytes = files.readFile(path);
  if (!bytes) return CatalogReading{std::nullopt, "it cannot be read"};
  CatalogReading reading =
      parseCatalog(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  if (!reading.catalog) return reading;
  for (const ChapterRow& row : reading.catalog->chapters) {
    if (!files.folderExists(dataFolder + ChapterFolder(row)))
      return CatalogReading{std::nullopt, "the folder \"" + row.group + "\\" + row.folder +
                                              "\" of chapter " + std::to_string(row.number) +
                                              " is not there"};
  }
  return reading;
}

}  // namespace hifz
