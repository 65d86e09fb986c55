#pragma once

#include <string>

namespace hifz {

/// Opens documents and addresses with the user's default handler.
class Shell {
 public:
  virtual ~Shell() = default;
  /// Opens `address`; a failure is not reported.
  virtual void open(const std::string& address) = 0;
};

class NullShell final : public Shell {
 public:
  void open(const std::string&) override {}
};

}  // namespace hifz
