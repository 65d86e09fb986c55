#pragma once

#include <stdexcept>
#include <string>

namespace hifz::content {

/// Why the sample content could not be made: bad input text, a folder that is
/// in the way, a file that could not be written. The message says which.
class ContentError : public std::runtime_error {
 public:
  explicit ContentError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace hifz::content
