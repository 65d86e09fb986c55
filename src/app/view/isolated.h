#pragma once

#include <QChar>
#include <QString>

namespace hifz {

/// Left-to-right text (a file name, a message of the content builder) set
/// apart inside right-to-left text, so that "114001.mp3" does not read as
/// "mp3.114001": between U+2066 LEFT-TO-RIGHT ISOLATE and U+2069 POP
/// DIRECTIONAL ISOLATE.
inline QString isolatedLtr(const QString& text) { return QChar(0x2066) + text + QChar(0x2069); }

}  // namespace hifz
