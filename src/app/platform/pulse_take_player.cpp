#include "platform/pulse_take_player.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <utility>

namespace hifz {

PulseTakePlayer::~PulseTakePlayer() { stop(); }

bool PulseTakePlayer::play(std::span<const std::int16_t> samples, int rate,
                           std::function<void()> ended) {
  stop();
  if (samples.empty() || rate <= 0 || connection_.open()) return false;
  samples_.assign(samples.begin(), samples.end());
  ended_ = std::move(ended);
  pa_threaded_mainloop* loop = connection_.loop();
  pa_threaded_mainloop_lock(loop);
  const pa_sample_spec spec{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(rate), 1};
  stream_ = pa_stream_new(connection_.context(), "Learner's take", &spec, nullptr);
  bool started = stream_ != nullptr;
  if (started) {
    written_ = 0;
    draining_ = false;
    pa_stream_set_write_callback(stream_, onWritable, this);
    started = pa_stream_connect_playback(stream_, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr,
                                         nullptr) >= 0;
    if (!started) dropStream();
  }
  pa_threaded_mainloop_unlock(loop);
  return started;
}

void PulseTakePlayer::stop() {
  ++playing_;
  if (!stream_) return;
  pa_threaded_mainloop_lock(connection_.loop());
  dropStream();
  pa_threaded_mainloop_unlock(connection_.loop());
}

void PulseTakePlayer::dropStream() {
  pa_stream_set_write_callback(stream_, nullptr, nullptr);
  pa_stream_disconnect(stream_);
  pa_stream_unref(stream_);
  stream_ = nullptr;
}

// Written as the server asks for it, so a long take never overfills its
// buffer; drained once all is written, and its end told.
void PulseTakePlayer::onWritable(pa_stream* stream, std::size_t bytes, void* self) {
  auto* player = static_cast<PulseTakePlayer*>(self);
  const std::size_t left = player->samples_.size() - player->written_;
  const std::size_t count = std::min(left, bytes / sizeof(std::int16_t));
  if (count > 0) {
    pa_stream_write(stream, player->samples_.data() + player->written_,
                    count * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    player->written_ += count;
  }
  if (player->written_ < player->samples_.size() || player->draining_) return;
  player->draining_ = true;
  if (pa_operation* drain = pa_stream_drain(stream, onDrained, self)) pa_operation_unref(drain);
}

void PulseTakePlayer::onDrained(pa_stream* stream, int, void* self) {
  auto* player = static_cast<PulseTakePlayer*>(self);
  // A stream stopped since is no longer the player's.
  if (stream != player->stream_) return;
  QMetaObject::invokeMethod(
      &player->receiver_,
      [player, playing = player->playing_.load()] {
        if (playing != player->playing_.load()) return;
        player->stop();
        if (player->ended_) std::exchange(player->ended_, nullptr)();
      },
      Qt::QueuedConnection);
}

}  // namespace hifz
