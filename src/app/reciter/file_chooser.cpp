#include "reciter/file_chooser.h"

#include <QFileDialog>

#include "reciter/file_details.h"

namespace hifz {
namespace {

QString choose(QWidget* parent, QFileDialog::FileMode mode, const QStringList& filters) {
  // Without a title of ours, Qt names the chooser by what it does, in its own words.
  QFileDialog chooser(parent);
  // Qt's own chooser, not the desktop's: its details follow the program's locale.
  chooser.setOption(QFileDialog::DontUseNativeDialog);
  // The patterns stay hidden: Latin inside an Arabic name reads scrambled.
  chooser.setOption(QFileDialog::HideNameFilterDetails);
  chooser.setFileMode(mode);
  if (mode == QFileDialog::Directory) chooser.setOption(QFileDialog::ShowDirsOnly);
  if (!filters.isEmpty()) chooser.setNameFilters(filters);
  chooser.setProxyModel(new FileDetails(&chooser));
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return {};
  return chooser.selectedFiles().front();
}

}  // namespace

QString chooseZipFile(QWidget* parent) {
  return choose(parent, QFileDialog::ExistingFile,
                {QStringLiteral("ملف مضغوط (*.zip *.ZIP)"), QStringLiteral("كل الملفات (*)")});
}

QString chooseFilesFolder(QWidget* parent) { return choose(parent, QFileDialog::Directory, {}); }

}  // namespace hifz
