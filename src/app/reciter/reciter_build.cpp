#include "reciter/reciter_build.h"

#include <QMetaObject>
#include <exception>
#include <system_error>

#include "content/quran_text.h"
#include "reciter/build_folder.h"
#include "reciter/content_swap.h"

namespace hifz {
namespace fs = std::filesystem;

ReciterBuild::ReciterBuild(fs::path source, fs::path userFolder, QObject* parent)
    : QObject(parent), source_(std::move(source)), userFolder_(std::move(userFolder)) {}

ReciterBuild::~ReciterBuild() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
  removeStaging();
}

void ReciterBuild::start() {
  // Beside the user's folder, so the finished content moves into it in one step.
  const fs::path parent = userFolder_.parent_path();
  try {
    fs::create_directories(parent);
    staging_ = std::make_unique<BuildFolder>(parent);
  } catch (const std::system_error& error) {
    emit failed(tr("Cannot make a folder in %1: %2")
                    .arg(QString::fromStdString(parent.string()),
                         QString::fromStdString(error.code().message())));
    return;
  }
  worker_ = std::thread([this] { run(); });
}

void ReciterBuild::cancel() { stop_ = true; }

void ReciterBuild::run() {
  content::BuildRequest request;
  request.audio = source_;
  request.out = staging_->path() / "content";
  request.quranChapters = content::defaultChaptersFolder();
  request.stop = &stop_;
  content::BuildListener listener;
  listener.started = [this](const std::string& chapter, int done, int total) {
    const QString name = QString::fromStdString(chapter);
    QMetaObject::invokeMethod(
        this, [this, name, done, total] { emit chapterStarted(name, done, total); },
        Qt::QueuedConnection);
  };
  listener.problem = [this](const std::string& problem) {
    const QString text = QString::fromStdString(problem);
    QMetaObject::invokeMethod(
        this, [this, text] { emit problemFound(text); }, Qt::QueuedConnection);
  };
  try {
    content::BuildSummary summary = content::buildRecitedContent(request, listener);
    QMetaObject::invokeMethod(
        this,
        [this, summary = std::move(summary)] {
          summary_ = summary;
          emit built();
        },
        Qt::QueuedConnection);
  } catch (const std::exception& error) {
    const QString reason = QString::fromStdString(error.what());
    const bool stopped = stop_;
    QMetaObject::invokeMethod(
        this,
        [this, reason, stopped] {
          removeStaging();
          if (stopped)
            emit cancelled();
          else
            emit failed(reason);
        },
        Qt::QueuedConnection);
  }
}

void ReciterBuild::install() {
  if (worker_.joinable()) worker_.join();
  swapInBuiltContent(staging_->path() / "content", userFolder_);
  removeStaging();
}

void ReciterBuild::removeStaging() {
  if (!staging_) return;
  if (worker_.joinable() && worker_.get_id() != std::this_thread::get_id()) worker_.join();
  staging_.reset();
}

}  // namespace hifz
