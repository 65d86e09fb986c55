#pragma once

#include <optional>
#include <string>

#include "navigation/catalog_text.h"
#include "platform/file_system.h"

namespace hifz {

/// The catalog file of the data folder at `dataFolder` (a program path that
/// ends in a separator): nothing when the content has none; else its catalog,
/// every chapter's folder there, or why it cannot be used. A file over the
/// size limit is not read at all.
std::optional<CatalogReading> readCatalog(const FileSystem& files, const std::string& dataFolder);

}  // namespace hifz
