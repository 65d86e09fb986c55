#pragma once

#include <cstdint>
#include <span>

#include "swf/bytes.h"
#include "swf/reader.h"
#include "swf/types.h"

namespace hifz::swf {

// Encodings of the small records shared by the writer and the rewriter.

// A tag record: short header when the body allows, long header otherwise.
void writeTag(ByteWriter& out, uint16_t code, std::span<const uint8_t> body);
void writeRect(ByteWriter& out, const Rect& rect);
// Placement of a display object.
void writeMatrix(ByteWriter& out, const Matrix& matrix);
// Placement of a bitmap inside a fill. Bitmap pixels count as twips there, so the
// scale grows by 20 for one bitmap pixel to cover one stage pixel.
void writeBitmapMatrix(ByteWriter& out, const Matrix& matrix);
void writeRgb(ByteWriter& out, Color color);
void writeRgba(ByteWriter& out, Color color);

}  // namespace hifz::swf
