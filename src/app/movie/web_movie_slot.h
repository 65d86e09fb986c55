#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

#include "flash/movie_slot.h"
#include "movie/slot_timeline.h"
#include "platform/file_system.h"

namespace hifz {

class PageView;

/// A movie slot played by Ruffle in the window's page, in the page element
/// named like the slot (which whoever draws the window creates). The page and
/// the file system must outlive the slot.
///
/// The slot rewrites each movie before the player gets it: every root frame
/// reports its number, and stop()s make the slot's settings (play once, do not
/// start). IsPlaying and FrameNum come from those reports; see SlotTimeline.
class WebMovieSlot final : public MovieSlot {
 public:
  WebMovieSlot(std::string name, SlotSettings settings, PageView& page, const FileSystem& files);
  ~WebMovieSlot() override;

  /// Starts the root timeline: resumes a halted player; a timeline that
  /// stopped by itself (held on its first frame, ended, or stopped by the
  /// movie) starts afresh from its first frame.
  void play() override;
  /// Halts the player, its timelines and its sound, where they are.
  void stop() override;
  /// A movie that was only given to the slot, never told to Play since, is not
  /// playing, however its timeline moves: asking after loading a menu page
  /// must not read as a recitation in progress.
  /// Gives the player the slot's movie again, from its first frame, as if just
  /// set: for a page that lost its players.
  void republish();
  bool isPlaying() const override { return toldToPlay_ && timeline_.isPlaying(); }
  bool hasMovie() const { return !original_.empty(); }
  /// The player has drawn `frame`, or a later one; a movie that reports no
  /// frames counts as there.
  bool reachedFrame(int frame) const {
    return !timeline_.reportsFrames() || timeline_.frameNum() >= frame;
  }
  /// Giving the movie again brings back the picture shown now: the movie
  /// starts by itself and comes to the same frame, or it shows its first.
  bool republishShowsTheSame() const {
    return !isPlaying() && (settings().startsByItself || timeline_.frameNum() <= 1);
  }
  int frameNum() const override { return timeline_.frameNum(); }

 protected:
  void load(const std::string& path) override;

 private:
  /// Gives the player the movie in `original_`, held on its first frame or not.
  bool handOver(bool holdFirstFrame);
  void showNothing();
  bool current(const QString& id, int load) const { return id == id_ && load == load_; }

  QPointer<PageView> page_;
  const FileSystem& files_;
  const QString id_;
  QObject receiver_;
  std::vector<std::uint8_t> original_;
  QString fileName_;
  QString published_;
  int load_ = 0;
  bool toldToPlay_ = false;
  SlotTimeline timeline_;
};

}  // namespace hifz
