#include "reciter/file_details.h"

#include <QFileSystemModel>
#include <QLocale>
#include <QMimeDatabase>

namespace hifz {
namespace {

// QFileSystemModel's columns.
enum Column { kName, kSize, kKind, kModified };

}  // namespace

QVariant FileDetails::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (role != Qt::DisplayRole || files == nullptr || index.column() == kName)
    return QIdentityProxyModel::data(index, role);
  const QFileInfo file = files->fileInfo(mapToSource(index));
  const QLocale locale;
  switch (index.column()) {
    case kSize:
      return file.isDir() ? QString() : locale.formattedDataSize(file.size());
    case kKind:
      if (file.isDir()) return QMimeDatabase().mimeTypeForName("inode/directory").comment();
      break;
    case kModified:
      return locale.toString(file.lastModified(), QLocale::ShortFormat);
    default:
      break;
  }
  return QIdentityProxyModel::data(index, role);
}

}  // namespace hifz
