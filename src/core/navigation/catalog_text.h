#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "navigation/chapter_catalog.h"

namespace hifz {

/// The catalog's file in the data folder.
inline constexpr std::string_view kCatalogFileName = "catalog.txt";
/// Larger catalogs, and longer lines, are not read: no content needs them.
inline constexpr std::size_t kLargestCatalog = std::size_t{1} << 20;
inline constexpr std::size_t kLongestCatalogLine = std::size_t{4} << 10;
/// The highest verse count a chapter has (Al Baqarah's).
inline constexpr int kMostVerses = 286;

/// A catalog, or why a text holds none, in one line.
struct CatalogReading {
  std::optional<Catalog> catalog;
  std::string problem;
};

/// The catalog a catalog file's text holds: UTF-8, tab-separated records, LF
/// or CRLF; a header "hifz-catalog 1", then each group followed by its
/// chapters. Anything that breaks that format, a key, folder or chapter
/// number used twice, or a group without a chapter, gives the problem
/// instead. Whether the folders are there is the reader's question.
CatalogReading parseCatalog(std::string_view text);

/// The text parseCatalog() reads back as `catalog`. Throws
/// std::invalid_argument for a field that holds a tab or a line's end, or a
/// chapter of a group the catalog does not list.
std::string formatCatalog(const Catalog& catalog);

}  // namespace hifz
