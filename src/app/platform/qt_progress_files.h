#pragma once

#include <string>

#include "platform/diagnostics.h"
#include "platform/progress_files.h"

namespace hifz {

/// Qt's own file chooser, in Arabic, for the file; the practice log at `log`
/// written to it or added to from it (progress_transfer.h). Why a file was
/// refused goes to `diagnostics`.
class QtProgressFiles final : public ProgressFiles {
 public:
  QtProgressFiles(std::string log, Diagnostics& diagnostics);
  TransferResult exportToChosenFile() override;
  TransferResult importFromChosenFile() override;

 private:
  std::string log_;
  Diagnostics& diagnostics_;
};

}  // namespace hifz
