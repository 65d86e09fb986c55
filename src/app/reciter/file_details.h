#pragma once

#include <QIdentityProxyModel>

namespace hifz {

/// The file chooser's columns of sizes, kinds and dates in the program's
/// locale: Qt writes them in the machine's, whose English dates and sizes
/// read scrambled in a right-to-left window, and calls a folder "Folder".
class FileDetails : public QIdentityProxyModel {
  Q_OBJECT

 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace hifz
