#include "platform/qt_progress_files.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <utility>
#include <variant>

#include "platform/progress_transfer.h"

namespace hifz {
namespace {

QString choose(QFileDialog::AcceptMode mode) {
  QFileDialog chooser(nullptr, {}, QDir::homePath());
  // Qt's own chooser, not the desktop's: its words follow the program's locale.
  chooser.setOption(QFileDialog::DontUseNativeDialog);
  chooser.setOption(QFileDialog::HideNameFilterDetails);
  chooser.setAcceptMode(mode);
  chooser.setNameFilters({QStringLiteral("تقدم الحفظ (*.hifz)"), QStringLiteral("كل الملفات (*)")});
  if (mode == QFileDialog::AcceptSave) {
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setDefaultSuffix(QStringLiteral("hifz"));
    chooser.selectFile("hifz-progress-" + QDate::currentDate().toString(Qt::ISODate) + ".hifz");
  } else {
    chooser.setFileMode(QFileDialog::ExistingFile);
  }
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return {};
  return chooser.selectedFiles().front();
}

}  // namespace

QtProgressFiles::QtProgressFiles(std::string log, Diagnostics& diagnostics)
    : log_(std::move(log)), diagnostics_(diagnostics) {}

TransferResult QtProgressFiles::exportToChosenFile() {
  const QString file = choose(QFileDialog::AcceptSave);
  if (file.isEmpty()) return TransferResult::NoFileChosen;
  const std::string error = exportProgress(log_, file.toStdString(), diagnostics_);
  if (error.empty()) return TransferResult::Done;
  diagnostics_.report(error);
  return TransferResult::Refused;
}

TransferResult QtProgressFiles::importFromChosenFile() {
  const QString file = choose(QFileDialog::AcceptOpen);
  if (file.isEmpty()) return TransferResult::NoFileChosen;
  const auto imported = importProgress(log_, file.toStdString(), diagnostics_);
  if (std::holds_alternative<ImportCounts>(imported)) return TransferResult::Done;
  diagnostics_.report(std::get<std::string>(imported));
  return TransferResult::Refused;
}

}  // namespace hifz
