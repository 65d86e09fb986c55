#include "platform/pulse_mixer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/volume_m.h"

namespace hifz {
namespace {

std::string commandOutput(const char* command) {
  std::string out;
  if (FILE* pipe = popen(command, "r")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  return out;
}

TEST(PulseMixer, OpensTheSessionServerAndDescribesBothVolumeControls) {
  PulseMixer mixer;
  MixerHandle handle = 0;
  ASSERT_EQ(mixer.open(0, handle), kMixerNoError);
  EXPECT_NE(handle, 0u);
  MixerControlRecord speakers;
  EXPECT_EQ(FindMixerControl(mixer, handle, kComponentSpeakers, kControlVolume, speakers), -1);
  EXPECT_NE(speakers.dwControlID, 0u);
  EXPECT_EQ(speakers.lMinimum, 0);
  EXPECT_EQ(speakers.lMaximum, 65535);
  MixerControlRecord microphone;
  EXPECT_EQ(FindMixerControl(mixer, handle, kComponentMicrophone, kControlVolume, microphone), -1);
  EXPECT_NE(microphone.dwControlID, speakers.dwControlID);
  MixerControlRecord other;
  EXPECT_EQ(FindMixerControl(mixer, handle, 0x2000, kControlVolume, other), 0);
  EXPECT_EQ(FindMixerControl(mixer, handle, kComponentSpeakers, 0x1234, other), 0);
  EXPECT_EQ(mixer.open(1, handle), kMixerBadDevice);
}

TEST(PulseMixer, SetsTheSpeakersVolumeOnTheServer) {
  PulseMixer mixer;
  MixerHandle handle = 0;
  ASSERT_EQ(mixer.open(0, handle), kMixerNoError);
  MixerControlRecord speakers;
  ASSERT_EQ(FindMixerControl(mixer, handle, kComponentSpeakers, kControlVolume, speakers), -1);
  // The server's scale runs to 65536; these values land on the same numbers.
  for (const std::int32_t value : {37448, 0, 65534, 9362}) {
    EXPECT_EQ(SetMixerControlValue(mixer, handle, speakers, value), -1);
    const std::string shown = commandOutput("pactl get-sink-volume @DEFAULT_SINK@");
    for (const char* channel : {"front-left: ", "front-right: "})
      EXPECT_NE(shown.find(channel + std::to_string(value) + " /"), std::string::npos)
          << value << " -> " << shown;
  }
}

TEST(PulseMixer, WithoutAServerOpeningFails) {
  const std::string saved = std::getenv("PULSE_SERVER") ? std::getenv("PULSE_SERVER") : "";
  setenv("PULSE_SERVER", "unix:/nonexistent/hifz/native", 1);
  PulseMixer mixer;
  MixerHandle handle = 0;
  EXPECT_EQ(mixer.open(0, handle), kMixerBadDevice);
  EXPECT_EQ(handle, 0u);
  std::uint32_t line = 0;
  EXPECT_NE(mixer.lineInfo(1, kComponentSpeakers, line), kMixerNoError);
  EXPECT_NE(mixer.setControlValue(1, 1, 100), kMixerNoError);
  setenv("PULSE_SERVER", saved.c_str(), 1);
}

}  // namespace
}  // namespace hifz
