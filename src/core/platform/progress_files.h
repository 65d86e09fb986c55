#pragma once

namespace hifz {

/// What came of moving progress to or from a file.
enum class TransferResult {
  /// The learner chose no file; nothing changed.
  NoFileChosen,
  Done,
  /// The file could not be written, or was not one to import; nothing changed.
  Refused,
};

/// Moves the learner's progress to and from a file the learner chooses.
class ProgressFiles {
 public:
  virtual ~ProgressFiles() = default;
  /// Asks for a new file and writes the whole progress into it.
  virtual TransferResult exportToChosenFile() = 0;
  /// Asks for a file exported by the program and adds what it holds, whole or
  /// not at all.
  virtual TransferResult importFromChosenFile() = 0;
};

/// Chooses no file.
class NullProgressFiles final : public ProgressFiles {
 public:
  TransferResult exportToChosenFile() override { return TransferResult::NoFileChosen; }
  TransferResult importFromChosenFile() override { return TransferResult::NoFileChosen; }
};

/// The one NullProgressFiles that platforms without files share.
inline ProgressFiles& noProgressFiles() {
  static NullProgressFiles none;
  return none;
}

}  // namespace hifz
