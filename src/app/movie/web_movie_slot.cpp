#include "movie/web_movie_slot.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "movie/page_bridge.h"
#include "movie/page_scheme.h"
#include "movie/page_view.h"
#include "swf/rewrite.h"

namespace hifz {
namespace {

QString fileNameOf(const std::string& path) {
  const QString full = QString::fromStdString(path);
  return full.mid(std::max(full.lastIndexOf('\\'), full.lastIndexOf('/')) + 1);
}

}  // namespace

WebMovieSlot::WebMovieSlot(std::string name, SlotSettings settings, PageView& page,
                           const FileSystem& files)
    : MovieSlot(std::move(name), settings),
      page_(&page),
      files_(files),
      id_(QString::fromStdString(this->name())) {
  PageBridge& bridge = page.bridge();
  QObject::connect(&bridge, &PageBridge::frameReached, &receiver_,
                   [this](const QString& id, int load, int frame) {
                     if (current(id, load)) timeline_.frameReached(frame);
                   });
  QObject::connect(&bridge, &PageBridge::timelineStopped, &receiver_,
                   [this](const QString& id, int load, int frame) {
                     if (current(id, load)) timeline_.stopped(frame);
                   });
  QObject::connect(&bridge, &PageBridge::movieFailed, &receiver_,
                   [this](const QString& id, int load, const QString&) {
                     if (current(id, load)) timeline_.unloaded();
                   });
  // The page sends these from outside Ruffle's lock, so a handler may call
  // back into this slot or any other.
  QObject::connect(
      &bridge, &PageBridge::fsCommand, &receiver_,
      [this](const QString& id, int load, const QString& command, const QString& args) {
        if (current(id, load)) raiseFSCommand(command.toStdString(), args.toStdString());
      });
}

WebMovieSlot::~WebMovieSlot() {
  if (page_ && !published_.isEmpty()) page_->files().withdraw(published_);
}

void WebMovieSlot::load(const std::string& path) {
  auto bytes = files_.readFile(path);
  original_ = bytes ? std::move(*bytes) : std::vector<std::uint8_t>();
  fileName_ = fileNameOf(path);
  toldToPlay_ = false;
  if (!handOver(!settings().startsByItself)) showNothing();
}

bool WebMovieSlot::handOver(bool holdFirstFrame) {
  ++load_;
  swf::RewriteOptions options;
  options.stopOnLastFrame = settings().playsOnce;
  options.stopOnFirstFrame = holdFirstFrame;
  const auto rewriteStart = std::chrono::steady_clock::now();
  auto movie = swf::rewriteForSlot(original_, options);
  if (!movie) return false;
  const std::chrono::duration<double, std::milli> rewriteTime =
      std::chrono::steady_clock::now() - rewriteStart;

  SlotTimeline::Movie timeline;
  timeline.frameCount = movie->frameCount;
  timeline.reportsFrames = movie->rewritten;
  timeline.stopsOnFirstFrame = holdFirstFrame;
  timeline.stopsOnLastFrame = settings().playsOnce;
  // A movie the rewrite could not touch cannot be held on its first frame;
  // the player is halted instead.
  const bool paused = holdFirstFrame && !movie->rewritten;
  timeline_.loaded(timeline, paused);

  PageSchemeHandler& files = page_->files();
  files.withdraw(published_);
  published_ = QStringLiteral("movie/%1/%2.swf").arg(id_).arg(load_);
  const auto& bytes = movie->bytes;
  MovieLoad load;
  load.load = load_;
  load.url = files.publish(
      published_, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
  load.fileName = fileName_;
  load.noScale = settings().scale == ScaleMode::NoScale;
  load.frameRate = movie->framesPerSecond() > 0 ? movie->framesPerSecond() : 12;
  load.frameCount = movie->frameCount;
  load.paused = paused;
  load.rewriteMs = rewriteTime.count();
  page_->bridge().loadMovie(id_, load);
  return true;
}

void WebMovieSlot::republish() {
  if (original_.empty()) return;
  toldToPlay_ = false;
  handOver(!settings().startsByItself);
}

void WebMovieSlot::showNothing() {
  original_.clear();
  timeline_.unloaded();
  page_->files().withdraw(std::exchange(published_, {}));
  page_->bridge().unloadMovie(id_);
}

void WebMovieSlot::play() {
  if (!timeline_.hasMovie()) return;
  toldToPlay_ = true;
  if (!timeline_.advances()) {
    handOver(false);
  } else if (timeline_.halted()) {
    timeline_.resume();
    page_->bridge().playMovie(id_);
  }
}

void WebMovieSlot::stop() {
  if (!timeline_.hasMovie() || timeline_.halted()) return;
  timeline_.halt();
  page_->bridge().stopMovie(id_);
}

}  // namespace hifz
