#pragma once

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

namespace hifz {

/// The scheme of the window's page; the page and all it reads live at
/// "hifz://app/...".
inline constexpr char kPageScheme[] = "hifz";

/// Makes the scheme known to WebEngine; must run before the QApplication exists.
void registerPageScheme();

/// The address of `path` on the page's scheme.
QUrl pageUrl(const QString& path);

/// Answers the page's requests from three places only: the page's own files
/// ("page/..." and the web channel script), the Ruffle package ("ruffle/...")
/// and bytes the program published ("data/..."). Anything else is not found.
class PageSchemeHandler final : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  PageSchemeHandler(const QDir& rufflePackage, QObject* parent = nullptr);

  /// Makes `bytes` readable at the returned address until withdrawn or
  /// published again under the same name.
  QUrl publish(const QString& name, QByteArray bytes);
  void withdraw(const QString& name);

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  QDir ruffle_;
  QHash<QString, QByteArray> published_;
};

}  // namespace hifz
