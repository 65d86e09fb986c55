#include "controls/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace hifz {

std::string numberText(double value) {
  if (value == 0) return "0";  // also for -0
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> textNumber(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<int> plainNumber(std::string_view text) {
  if (text.empty() || text.size() > 3 || text[0] == '0') return std::nullopt;
  int number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace hifz
