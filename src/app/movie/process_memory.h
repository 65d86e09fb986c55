#pragma once

#include <QtGlobal>
#include <optional>

namespace hifz {

/// The proportional set size of a process (its private memory and its share
/// of what it shares), in megabytes; nothing when it cannot be read.
std::optional<double> proportionalMegabytes(qint64 pid);

}  // namespace hifz
