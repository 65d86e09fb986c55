#include "recited_content/mp3_convert.h"

#include <lame/lame.h>
#include <mpg123.h>

#include <memory>
#include <string>
#include <variant>

#include "sample_content/content_error.h"

namespace hifz::content {
namespace {

struct DecoderDeleter {
  void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
struct EncoderDeleter {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

// 16-bit samples, interleaved when there are two channels, at the audio's own
// rate; libmpg123 mixes or copies channels to give `channels`.
std::vector<short> decoded(const Mp3Audio& audio, int channels) {
  int error = MPG123_OK;
  const std::unique_ptr<mpg123_handle, DecoderDeleter> decoder(mpg123_new(nullptr, &error));
  if (!decoder) throw ContentError("the MP3 decoder does not start: " + std::to_string(error));
  mpg123_param(decoder.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  mpg123_format_none(decoder.get());
  mpg123_format(decoder.get(), audio.format.sampleRate, channels == 1 ? MPG123_MONO : MPG123_STEREO,
                MPG123_ENC_SIGNED_16);
  if (mpg123_open_feed(decoder.get()) != MPG123_OK ||
      mpg123_feed(decoder.get(), audio.frames.data(), audio.frames.size()) != MPG123_OK) {
    throw ContentError(std::string("the MP3 decoder refuses the sound: ") +
                       mpg123_strerror(decoder.get()));
  }
  std::vector<short> samples;
  std::vector<unsigned char> block(64 * 1024);
  for (;;) {
    std::size_t done = 0;
    const int result = mpg123_read(decoder.get(), block.data(), block.size(), &done);
    const auto* first = reinterpret_cast<const short*>(block.data());
    samples.insert(samples.end(), first, first + done / sizeof(short));
    if (result == MPG123_NEED_MORE || result == MPG123_DONE) break;
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
      throw ContentError(std::string("the MP3 decoder fails: ") + mpg123_strerror(decoder.get()));
    }
  }
  return samples;
}

std::vector<unsigned char> encoded(const std::vector<short>& samples, int fromRate,
                                   Mp3Format target) {
  const std::unique_ptr<lame_global_flags, EncoderDeleter> encoder(lame_init());
  if (!encoder) throw ContentError("the MP3 encoder does not start");
  lame_set_in_samplerate(encoder.get(), fromRate);
  lame_set_out_samplerate(encoder.get(), target.sampleRate);
  lame_set_num_channels(encoder.get(), target.channels);
  lame_set_mode(encoder.get(), target.channels == 1 ? MONO : JOINT_STEREO);
  lame_set_VBR(encoder.get(), vbr_default);
  lame_set_VBR_quality(encoder.get(), 4);
  // A movie's sound starts with sound, not with an information frame.
  lame_set_bWriteVbrTag(encoder.get(), 0);
  if (lame_init_params(encoder.get()) < 0) {
    throw ContentError("the MP3 encoder refuses " + std::to_string(target.sampleRate) + " Hz");
  }
  const int frames = static_cast<int>(samples.size()) / target.channels;
  // The size LAME asks for: 1.25 times the samples and 7200 bytes.
  std::vector<unsigned char> out(static_cast<std::size_t>(frames) * 5 / 4 + 7200 + 16384);
  int written = 0;
  if (frames > 0) {
    short* pcm = const_cast<short*>(samples.data());
    written = target.channels == 1
                  ? lame_encode_buffer(encoder.get(), pcm, pcm, frames, out.data(),
                                       static_cast<int>(out.size()))
                  : lame_encode_buffer_interleaved(encoder.get(), pcm, frames, out.data(),
                                                   static_cast<int>(out.size()));
    if (written < 0) throw ContentError("the MP3 encoder fails: " + std::to_string(written));
  }
  const int flushed = lame_encode_flush(encoder.get(), out.data() + written,
                                        static_cast<int>(out.size()) - written);
  if (flushed < 0) throw ContentError("the MP3 encoder fails: " + std::to_string(flushed));
  out.resize(static_cast<std::size_t>(written + flushed));
  return out;
}

}  // namespace

Mp3Audio converted(const Mp3Audio& audio, Mp3Format target) {
  const std::vector<unsigned char> file =
      encoded(decoded(audio, target.channels), audio.format.sampleRate, target);
  auto result = readMp3(file);
  if (auto* problem = std::get_if<Mp3Problem>(&result)) {
    throw ContentError("the MP3 encoder made no usable sound: " + problem->why);
  }
  return std::get<Mp3Audio>(std::move(result));
}

}  // namespace hifz::content
