#pragma once

#include <QDir>
#include <optional>

namespace hifz {

/// The folder of the Ruffle package (ruffle.js and its wasm), looked for
/// beside the running program, in an installed share folder, then in the
/// build tree the program was built in. Nothing when none holds it.
std::optional<QDir> findRufflePackage();

}  // namespace hifz
