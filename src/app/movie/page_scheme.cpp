#include "movie/page_scheme.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace hifz {
namespace {

constexpr char kHost[] = "app";

QByteArray mimeType(const QString& path) {
  static const QHash<QString, QByteArray> types{
      {"html", "text/html"},        {"js", "text/javascript"},
      {"css", "text/css"},          {"wasm", "application/wasm"},
      {"json", "application/json"}, {"png", "image/png"},
      {"gif", "image/gif"},         {"bmp", "image/bmp"},
      {"jpg", "image/jpeg"},        {"swf", "application/x-shockwave-flash"},
      {"svg", "image/svg+xml"}};
  return types.value(QFileInfo(path).suffix().toLower(), "application/octet-stream");
}

// A plain file name: no folders, no way up.
bool isPlainName(const QString& name) {
  return !name.isEmpty() && !name.contains('/') && !name.contains('\\') && name != "." &&
         name != "..";
}

}  // namespace

void registerPageScheme() {
  QWebEngineUrlScheme scheme(kPageScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  // Secure and CORS-enabled, so the page may use XMLHttpRequest on its own origin.
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
  QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl pageUrl(const QString& path) {
  QUrl url;
  url.setScheme(kPageScheme);
  url.setHost(kHost);
  url.setPath("/" + path);
  return url;
}

PageSchemeHandler::PageSchemeHandler(const QDir& rufflePackage, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), ruffle_(rufflePackage) {}

QUrl PageSchemeHandler::publish(const QString& name, QByteArray bytes) {
  published_.insert(name, std::move(bytes));
  return pageUrl("data/" + name);
}

void PageSchemeHandler::withdraw(const QString& name) { published_.remove(name); }

void PageSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const QUrl url = job->requestUrl();
  const QString path = url.path();
  if (job->requestMethod() != "GET" || url.host() != kHost) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  QString file;
  if (path == "/qwebchannel.js") {
    file = ":/qtwebchannel/qwebchannel.js";
  } else if (path.startsWith("/page/") && isPlainName(path.mid(6))) {
    file = ":/page/" + path.mid(6);
  } else if (path.startsWith("/ruffle/") && isPlainName(path.mid(8))) {
    file = ruffle_.filePath(path.mid(8));
  } else if (path.startsWith("/data/") && published_.contains(path.mid(6))) {
    auto* buffer = new QBuffer(job);
    buffer->setData(published_.value(path.mid(6)));
    job->reply(mimeType(path), buffer);
    return;
  }
  auto* device = new QFile(file, job);
  if (file.isEmpty() || !QFileInfo(file).isFile() || !device->open(QIODevice::ReadOnly)) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  job->reply(mimeType(path), device);
}

}  // namespace hifz
