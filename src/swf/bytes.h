#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace hifz::swf {

// Little-endian reads over untrusted bytes. A read past the end yields zeros and
// marks the reader failed, so a parser can read a whole structure and check once.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data, size_t position = 0);

  uint8_t u8();
  uint16_t u16();
  uint32_t u32();
  std::span<const uint8_t> bytes(size_t count);
  void skip(size_t count);

  size_t position() const { return position_; }
  size_t remaining() const { return data_.size() - position_; }
  bool failed() const { return failed_; }

 private:
  bool take(size_t count);

  std::span<const uint8_t> data_;
  size_t position_;
  bool failed_ = false;
};

// Bit fields, most significant bit first, as used by rectangles, matrices and shapes.
class BitReader {
 public:
  explicit BitReader(ByteReader& bytes) : bytes_(bytes) {}

  uint32_t unsignedBits(unsigned count);
  int32_t signedBits(unsigned count);

 private:
  ByteReader& bytes_;
  uint8_t current_ = 0;
  unsigned left_ = 0;
};

class ByteWriter {
 public:
  void u8(uint8_t value) { data_.push_back(value); }
  void u16(uint16_t value);
  void u32(uint32_t value);
  void bytes(std::span<const uint8_t> values);
  // Zero-terminated, as every string in a movie is.
  void string(std::string_view value);

  void patchU16(size_t position, uint16_t value);
  void patchU32(size_t position, uint32_t value);

  size_t size() const { return data_.size(); }
  const std::vector<uint8_t>& data() const { return data_; }
  std::vector<uint8_t> take() { return std::move(data_); }

 private:
  std::vector<uint8_t> data_;
};

class BitWriter {
 public:
  explicit BitWriter(ByteWriter& bytes) : bytes_(bytes) {}
  ~BitWriter() { flush(); }
  BitWriter(const BitWriter&) = delete;
  BitWriter& operator=(const BitWriter&) = delete;

  void unsignedBits(uint32_t value, unsigned count);
  void signedBits(int32_t value, unsigned count);
  void flag(bool value) { unsignedBits(value ? 1 : 0, 1); }
  // Pads the last byte with zero bits; later writes start on a byte boundary.
  void flush();

 private:
  ByteWriter& bytes_;
  uint8_t current_ = 0;
  unsigned used_ = 0;
};

// The fewest bits that hold `value` as a two's complement signed field.
unsigned signedBitsNeeded(int32_t value);

}  // namespace hifz::swf
