#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

namespace hifz {

class ReciterBuild;

/// Adding a reciter, for a learner who never opens a terminal: the choice of
/// a zip file or a folder (unless one was given), the build with its progress
/// and a cancel button, then what was built and what was left out, and the
/// learner's word before the new content replaces the one in use. Every step
/// is told on standard error too, one line each.
class ReciterDialog : public QDialog {
  Q_OBJECT

 public:
  /// `source` may be empty: the learner then chooses. `userFolder` is the
  /// learner's own content folder, which the new content goes into.
  ReciterDialog(QString source, std::filesystem::path userFolder, QWidget* parent = nullptr);
  ~ReciterDialog() override;

  /// Whether the new content is now in the user's folder.
  bool installed() const { return installed_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void chooseZip();
  void chooseFolder();
  void startBuild(const QString& source);
  void showProgress(const QString& chapter, int done, int total);
  void showSummary();
  void showFailure(const QString& reason);
  // The failure page, with the window's title ending in `title`.
  void showTrouble(const QString& reason, const QString& title, const QString& text);
  void install();

  QString source_;
  std::filesystem::path userFolder_;
  std::unique_ptr<ReciterBuild> build_;
  bool installed_ = false;
  bool started_ = false;

  QStackedWidget* pages_;
  QLabel* chapter_;
  QProgressBar* bar_;
  QTextBrowser* report_;
  QLabel* question_;
  QPushButton* yes_;
  QPushButton* no_;
  QLabel* failure_;
};

}  // namespace hifz
