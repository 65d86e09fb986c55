#pragma once

#include <string>
#include <utility>
#include <variant>

namespace hifz::swf {

enum class ErrorCode {
  kBadSignature,    // not a movie file at all
  kTruncated,       // the data stops before the movie does
  kBadCompression,  // the compressed body cannot be decoded
  kTooLarge,        // beyond the limits we accept, see kMaxMovieSize
  kMalformed,       // the structure contradicts itself
};

struct Error {
  ErrorCode code;
  std::string message;
};

// A value or the reason there is none. Movie data comes from outside, so every
// parse step reports failure this way instead of throwing.
template <typename T>
class Result {
 public:
  // Implicit on purpose, so functions can simply `return value;` or `return Error{...};`.
  Result(T value) : data_(std::move(value)) {}
  Result(Error error) : data_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(data_); }
  explicit operator bool() const { return ok(); }

  // Both throw std::bad_variant_access when asked for the wrong side.
  const T& value() const& { return std::get<T>(data_); }
  T& value() & { return std::get<T>(data_); }
  T&& value() && { return std::get<T>(std::move(data_)); }
  const Error& error() const { return std::get<Error>(data_); }

  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }

 private:
  std::variant<T, Error> data_;
};

}  // namespace hifz::swf
