#pragma once

#include <QDir>
#include <QWebEngineView>

namespace hifz {

/// Readies WebEngine for the page; call it before the QApplication exists.
/// It registers the page's scheme, turns off Qt's shader cache on disk, has
/// V8 compile Ruffle's large wasm module lazily (each function when first
/// called): the page's first players start some 0.2 s sooner; and leaves
/// WebRTC no network.
void preparePageView();

class PageBridge;
class PageSchemeHandler;
class GuardedPage;

/// The window's one web page, in a view of its own: it draws the window's
/// elements and hosts every movie slot as a Ruffle player. Its profile keeps
/// nothing on disk; the page reaches nothing but its own scheme. Without a
/// GPU, Qt Quick draws the view in software (see chooseQuickBackend()).
class PageView final : public QWebEngineView {
  Q_OBJECT

 public:
  /// `rufflePackage` holds ruffle.js and the files it loads.
  explicit PageView(const QDir& rufflePackage, QWidget* parent = nullptr);
  ~PageView() override;

  PageBridge& bridge() { return *bridge_; }
  /// Loads the page afresh, empty; the bridge holds commands until it is ready.
  void reloadPage();
  /// Replaces a page that still runs with a new, empty one in a new process;
  /// commands not yet sent are dropped, and new ones wait for the new page.
  void replacePage();
  /// Where the program publishes the bytes the page reads (movies, pictures).
  PageSchemeHandler& files() { return *files_; }

 signals:
  /// The process that drew the page ended, whatever way; the page is blank
  /// and the bridge has forgotten it. `how` says how it ended, for the log.
  void renderProcessLost(const QString& how);

 private:
  void makePage();

  QWebEngineProfile* profile_;
  PageSchemeHandler* files_;
  PageBridge* bridge_;
  GuardedPage* page_;
};

}  // namespace hifz
