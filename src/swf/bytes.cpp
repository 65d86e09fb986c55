#include "swf/bytes.h"

#include <bit>

namespace hifz::swf {

ByteReader::ByteReader(std::span<const uint8_t> data, size_t position)
    : data_(data), position_(position) {
  if (position_ > data_.size()) {
    position_ = data_.size();
    failed_ = true;
  }
}

bool ByteReader::take(size_t count) {
  if (failed_ || count > remaining()) {
    failed_ = true;
    position_ = data_.size();
    return false;
  }
  return true;
}

uint8_t ByteReader::u8() {
  if (!take(1)) return 0;
  return data_[position_++];
}

uint16_t ByteReader::u16() {
  if (!take(2)) return 0;
  const uint16_t value = static_cast<uint16_t>(data_[position_] | (data_[position_ + 1] << 8));
  position_ += 2;
  return value;
}

uint32_t ByteReader::u32() {
  if (!take(4)) return 0;
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | data_[position_ + static_cast<size_t>(i)];
  position_ += 4;
  return value;
}

std::span<const uint8_t> ByteReader::bytes(size_t count) {
  if (!take(count)) return {};
  auto result = data_.subspan(position_, count);
  position_ += count;
  return result;
}

void ByteReader::skip(size_t count) {
  if (take(count)) position_ += count;
}

uint32_t BitReader::unsignedBits(unsigned count) {
  uint32_t value = 0;
  for (unsigned i = 0; i < count; ++i) {
    if (left_ == 0) {
      current_ = bytes_.u8();
      left_ = 8;
    }
    --left_;
    value = (value << 1) | ((current_ >> left_) & 1u);
  }
  return value;
}

int32_t BitReader::signedBits(unsigned count) {
  if (count == 0) return 0;
  const uint32_t raw = unsignedBits(count);
  const uint32_t sign = 1u << (count - 1);
  // Sign-extend without relying on implementation-defined shifts.
  return static_cast<int32_t>(static_cast<int64_t>(raw ^ sign) - static_cast<int64_t>(sign));
}

void ByteWriter::u16(uint16_t value) {
  data_.push_back(static_cast<uint8_t>(value));
  data_.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::u32(uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) data_.push_back(static_cast<uint8_t>(value >> shift));
}

void ByteWriter::bytes(std::span<const uint8_t> values) {
  data_.insert(data_.end(), values.begin(), values.end());
}

void ByteWriter::string(std::string_view value) {
  data_.insert(data_.end(), value.begin(), value.end());
  data_.push_back(0);
}

void ByteWriter::patchU16(size_t position, uint16_t value) {
  data_.at(position) = static_cast<uint8_t>(value);
  data_.at(position + 1) = static_cast<uint8_t>(value >> 8);
}

void ByteWriter::patchU32(size_t position, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) data_.at(position + i) = static_cast<uint8_t>(value >> (8 * i));
}

void BitWriter::unsignedBits(uint32_t value, unsigned count) {
  for (unsigned i = count; i-- > 0;) {
    current_ = static_cast<uint8_t>((current_ << 1) | ((value >> i) & 1u));
    if (++used_ == 8) {
      bytes_.u8(current_);
      current_ = 0;
      used_ = 0;
    }
  }
}

void BitWriter::signedBits(int32_t value, unsigned count) {
  unsignedBits(static_cast<uint32_t>(value), count);
}

void BitWriter::flush() {
  if (used_ == 0) return;
  bytes_.u8(static_cast<uint8_t>(current_ << (8 - used_)));
  current_ = 0;
  used_ = 0;
}

unsigned signedBitsNeeded(int32_t value) {
  const uint32_t magnitude = static_cast<uint32_t>(value < 0 ? ~value : value);
  return static_cast<unsigned>(std::bit_width(magnitude)) + 1;
}

}  // namespace hifz::swf
