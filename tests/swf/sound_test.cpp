#include "swf/sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "support.h"
#include "swf/bytes.h"
#include "swf/tag_codes.h"
#include "swf/writer.h"

namespace hifz::swf {
namespace {

using test::Bytes;

std::vector<int16_t> samplesFrom(std::span<const uint8_t> bytes) {
  EXPECT_EQ(bytes.size() % 2, 0u);
  std::vector<int16_t> samples;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    samples.push_back(static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8));
  }
  return samples;
}

struct RateCase {
  SampleRate rate;
  double perSecond;
  uint8_t format;  // uncompressed little-endian, rate, 16-bit, mono
};
const RateCase kRates[] = {
    {SampleRate::k5512, 5512.5, 0x32},
    {SampleRate::k11025, 11025, 0x36},
    {SampleRate::k22050, 22050, 0x3a},
    {SampleRate::k44100, 44100, 0x3e},
};

TEST(SoundTest, SineToneHasTheAskedShape) {
  for (const RateCase& c : kRates) {
    const Pcm tone = sineTone(441, 0.5, 0.25, c.rate);
    EXPECT_EQ(tone.rate, c.rate);
    EXPECT_EQ(tone.samples.size(), static_cast<size_t>(std::llround(c.perSecond / 2)));
    const auto [low, high] = std::minmax_element(tone.samples.begin(), tone.samples.end());
    EXPECT_NEAR(*high, 0.25 * 32767, 0.25 * 32767 * 0.05);
    EXPECT_NEAR(*low, -0.25 * 32767, 0.25 * 32767 * 0.05);
    int crossings = 0;
    for (size_t i = 1; i < tone.samples.size(); ++i) {
      if ((tone.samples[i - 1] < 0) != (tone.samples[i] < 0)) ++crossings;
    }
    EXPECT_NEAR(crossings, 441, 3) << "two per period, 220.5 periods";
  }
  const Pcm silence = sineTone(440, 0.1, 0, SampleRate::k22050);
  EXPECT_TRUE(std::all_of(silence.samples.begin(), silence.samples.end(),
                          [](int16_t s) { return s == 0; }));
  EXPECT_THROW(sineTone(440, 1, 1.5, SampleRate::k22050), std::invalid_argument);
  EXPECT_THROW(sineTone(440, -1, 0.5, SampleRate::k22050), std::invalid_argument);
}

TEST(SoundTest, EventSoundIsDefinedAndStarted) {
  for (const RateCase& c : kRates) {
    MovieBuilder builder;
    const Pcm tone = sineTone(300, 0.2, 0.5, c.rate);
    const CharacterId id = builder.defineSound(tone);
    builder.startSound(id);
    builder.showFrame();
    builder.startSound(id, 3);
    const Movie movie = test::readOrFail(builder.build());

    std::vector<Bytes> starts;
    for (const Tag& tag : movie.tags) {
      ByteReader in(movie.body(tag));
      if (tag.code == tag::kDefineSound) {
        EXPECT_EQ(in.u16(), id);
        EXPECT_EQ(in.u8(), c.format);
        EXPECT_EQ(in.u32(), tone.samples.size());
        EXPECT_EQ(samplesFrom(in.bytes(in.remaining())), tone.samples);
        EXPECT_FALSE(in.failed());
      } else if (tag.code == tag::kStartSound) {
        starts.emplace_back(movie.body(tag).begin(), movie.body(tag).end());
      }
    }
    const auto idLow = static_cast<uint8_t>(id);
    EXPECT_EQ(starts, (std::vector<Bytes>{{idLow, 0, 0x00}, {idLow, 0, 0x04, 3, 0}}));
  }
}

TEST(SoundTest, Mp3SoundKeepsItsFramesAsTheyAre) {
  struct Case {
    SampleRate rate;
    bool stereo;
    uint8_t format;  // MP3, rate, 16-bit, channels
  };
  const Bytes frames = {0xff, 0xfb, 0x90, 0x64, 1, 2, 3, 4, 5};
  for (const Case& c :
       {Case{SampleRate::k11025, false, 0x26}, Case{SampleRate::k22050, true, 0x2b},
        Case{SampleRate::k44100, false, 0x2e}, Case{SampleRate::k44100, true, 0x2f}}) {
    MovieBuilder builder;
    const CharacterId id = builder.defineSound(Mp3Sound{c.rate, c.stereo, 70000, frames});
    builder.startSound(id);
    builder.showFrame();
    const Movie movie = test::readOrFail(builder.build());
    const auto sound = std::find_if(movie.tags.begin(), movie.tags.end(),
                                    [](const Tag& tag) { return tag.code == tag::kDefineSound; });
    ASSERT_NE(sound, movie.tags.end());
    ByteReader in(movie.body(*sound));
    EXPECT_EQ(in.u16(), id);
    EXPECT_EQ(in.u8(), c.format);
    EXPECT_EQ(in.u32(), 70000u);
    EXPECT_EQ(in.u16(), 0u) << "no samples skipped";
    const auto rest = in.bytes(in.remaining());
    EXPECT_EQ(Bytes(rest.begin(), rest.end()), frames);
  }
}

TEST(SoundTest, StreamIsCutIntoOneBlockPerFrame) {
  struct Case {
    SampleRate rate;
    double fps;
    uint16_t declaredPerFrame;
  };
  for (const Case& c : {Case{SampleRate::k5512, 12, 459}, Case{SampleRate::k11025, 24, 459},
                        Case{SampleRate::k22050, 30, 735}, Case{SampleRate::k44100, 24, 1838}}) {
    MovieOptions options;
    options.frameRate = c.fps;
    MovieBuilder builder(options);
    builder.showFrame();  // the stream starts in the second frame
    const Pcm tone = sineTone(500, 1.0, 0.5, c.rate);
    builder.streamSound(tone);
    const int frames = static_cast<int>(std::ceil(c.fps)) + 3;
    for (int i = 0; i < frames; ++i) builder.showFrame();
    const Movie movie = test::readOrFail(builder.build());

    const double perFrame = samplesPerSecond(c.rate) / c.fps;
    std::vector<int16_t> streamed;
    int blockFrames = 0;
    bool sawHead = false;
    const auto framesTags = test::framesOf(movie.tags);
    for (size_t frame = 0; frame < framesTags.size(); ++frame) {
      int blocks = 0;
      for (const Tag& tag : framesTags[frame]) {
        ByteReader in(movie.body(tag));
        if (tag.code == tag::kSoundStreamHead2) {
          sawHead = true;
          EXPECT_EQ(frame, 1u) << "head in the frame the stream starts";
          const uint8_t format = kRates[static_cast<int>(c.rate)].format;
          EXPECT_EQ(in.u8(), format & 0x0f);
          EXPECT_EQ(in.u8(), format);
          EXPECT_EQ(in.u16(), c.declaredPerFrame);
          EXPECT_EQ(in.remaining(), 0u);
        } else if (tag.code == tag::kSoundStreamBlock) {
          ++blocks;
          const auto samples = samplesFrom(movie.body(tag));
          streamed.insert(streamed.end(), samples.begin(), samples.end());
          // Only the last block may come up short.
          if (streamed.size() < tone.samples.size()) {
            EXPECT_NEAR(static_cast<double>(samples.size()), perFrame, 1.0);
          } else {
            EXPECT_LE(static_cast<double>(samples.size()), perFrame + 1);
          }
        }
      }
      EXPECT_LE(blocks, 1) << "frame " << frame;
      if (frame == 0) {
        EXPECT_EQ(blocks, 0);
      }
      blockFrames += blocks;
    }
    EXPECT_TRUE(sawHead);
    EXPECT_EQ(streamed, tone.samples) << "blocks add up to the whole sound, in order";
    EXPECT_EQ(blockFrames, static_cast<int>(std::ceil(tone.samples.size() / perFrame)));
    EXPECT_THROW(builder.streamSound(tone), std::invalid_argument) << "one stream per movie";
  }
}

}  // namespace
}  // namespace hifz::swf
