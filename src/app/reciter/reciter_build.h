#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "content/recited/recited_build.h"

namespace hifz {

class BuildFolder;

/// A reciter's files built into content for the user's content folder, on a
/// thread of its own. The content is built in a hidden folder beside the
/// user's (build_folder.h); the content in use stays as it is until
/// install(). Every signal comes on the thread that made the object.
class ReciterBuild : public QObject {
  Q_OBJECT

 public:
  /// `source` is a zip file or a folder of "SSSAAA.mp3"; `userFolder` the
  /// folder the program reads the learner's own content from.
  ReciterBuild(std::filesystem::path source, std::filesystem::path userFolder,
               QObject* parent = nullptr);
  /// Stops a build that still runs and removes what it made.
  ~ReciterBuild() override;
  ReciterBuild(const ReciterBuild&) = delete;
  ReciterBuild& operator=(const ReciterBuild&) = delete;

  void start();
  /// Asks the build to stop; cancelled() follows, with nothing changed.
  void cancel();
  /// After built(): the new content takes the old one's place. Throws
  /// std::exception with the reason when it cannot; the content in use is
  /// then as it was, unless it is PartlySwapped (content_swap.h).
  void install();

  const content::BuildSummary& summary() const { return summary_; }

 signals:
  void chapterStarted(const QString& chapter, int done, int total);
  void problemFound(const QString& problem);
  void built();
  void failed(const QString& reason);
  void cancelled();

 private:
  void run();
  void removeStaging();

  std::filesystem::path source_;
  std::filesystem::path userFolder_;
  std::unique_ptr<BuildFolder> staging_;
  std::atomic<bool> stop_ = false;
  std::thread worker_;
  content::BuildSummary summary_;
};

}  // namespace hifz
