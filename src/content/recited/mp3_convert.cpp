#include "content/recited/mp3_convert.h"

#include <lame/lame.h>
#include <mpg123.h>

#include <memory>
#include <string>
#include <variant>

#include "content/content_error.h"

namespace hifz::content {
namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
// What lame_encode_flush may write at the most.
constexpr std::size_t kFlushBytes = 7200;

struct DecoderDeleter {
  void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
struct EncoderDeleter {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using Decoder = std::unique_ptr<mpg123_handle, DecoderDeleter>;
using Encoder = std::unique_ptr<lame_global_flags, EncoderDeleter>;

// Gives 16-bit samples at the audio's own rate, interleaved when there are
// two channels; libmpg123 mixes or copies channels to give `channels`.
Decoder decoder(const Mp3Audio& audio, int channels) {
  int error = MPG123_OK;
  Decoder decoder(mpg123_new(nullptr, &error));
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
  return decoder;
}

Encoder encoder(int fromRate, Mp3Format target) {
  Encoder encoder(lame_init());
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
    throw ContentError("the MP3 encoder refuses " + std::to_string(fromRate) + " to " +
                       std::to_string(target.sampleRate) + " Hz");
  }
  return encoder;
}

// Encodes one block of samples onto the end of `out`.
void encodeBlock(lame_global_flags* encoder, short* pcm, int frames, int fromRate, Mp3Format target,
                 std::vector<unsigned char>& out) {
  // LAME's worst case is 1.25 times the samples it writes, at the output
  // rate, and 7200 bytes; a resampled block may also carry what it held back.
  const auto outFrames =
      static_cast<std::size_t>(static_cast<long long>(frames) * target.sampleRate / fromRate + 1);
  const std::size_t room = outFrames * 5 / 4 + 7200 + kFlushBytes;
  const std::size_t had = out.size();
  out.resize(had + room);
  const int written =
      target.channels == 1
          ? lame_encode_buffer(encoder, pcm, pcm, frames, out.data() + had, static_cast<int>(room))
          : lame_encode_buffer_interleaved(encoder, pcm, frames, out.data() + had,
                                           static_cast<int>(room));
  if (written < 0) throw ContentError("the MP3 encoder fails: " + std::to_string(written));
  out.resize(had + static_cast<std::size_t>(written));
}

// Decodes block by block into the encoder, so that no more than a block of
// samples is ever held.
std::vector<unsigned char> reencoded(const Mp3Audio& audio, Mp3Format target) {
  const Decoder in = decoder(audio, target.channels);
  const Encoder out = encoder(audio.format.sampleRate, target);
  std::vector<unsigned char> file;
  std::vector<unsigned char> block(kBlockBytes);
  for (;;) {
    std::size_t done = 0;
    const int result = mpg123_read(in.get(), block.data(), block.size(), &done);
    const int frames = static_cast<int>(done / sizeof(short)) / target.channels;
    if (frames > 0) {
      encodeBlock(out.get(), reinterpret_cast<short*>(block.data()), frames,
                  audio.format.sampleRate, target, file);
    }
    if (result == MPG123_NEED_MORE || result == MPG123_DONE) break;
    if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
      throw ContentError(std::string("the MP3 decoder fails: ") + mpg123_strerror(in.get()));
    }
  }
  const std::size_t had = file.size();
  file.resize(had + kFlushBytes);
  const int flushed =
      lame_encode_flush(out.get(), file.data() + had, static_cast<int>(kFlushBytes));
  if (flushed < 0) throw ContentError("the MP3 encoder fails: " + std::to_string(flushed));
  file.resize(had + static_cast<std::size_t>(flushed));
  return file;
}

}  // namespace

Mp3Audio converted(const Mp3Audio& audio, Mp3Format target) {
  auto result = readMp3(reencoded(audio, target));
  if (auto* problem = std::get_if<Mp3Problem>(&result)) {
    throw ContentError("the MP3 encoder made no usable sound: " + problem->why);
  }
  return std::get<Mp3Audio>(std::move(result));
}

}  // namespace hifz::content
