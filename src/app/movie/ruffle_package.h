#pragma once

#include <QDir>
#include <optional>

namespace hifz {

/// The folder of the Ruffle package (ruffle.js and its wasm), looked for
/// beside the running program, where an installation puts it, then in the
/// build tree the program was built in. Nothing when none holds it.
std::optional<QDir> findRufflePackage();

}  // namespace hifz
