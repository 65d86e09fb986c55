#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "audio/volume_m.h"
#include "test_program.h"

namespace hifz {
namespace {

using ::testing::ElementsAre;
using testing::FakeMixer;
using ::testing::IsEmpty;
using testing::TestProgram;

TEST(VolumeM, FindMixerControlCopiesTheControlOfTheFirstMatchingLine) {
  FakeMixer mixer;
  mixer.addStandardLines();
  MixerControlRecord record;
  EXPECT_EQ(FindMixerControl(mixer, 0x77, kComponentSpeakers, kControlVolume, record), -1);
  EXPECT_EQ(record, FakeMixer::volumeControl(17, 0, 65535));
}

TEST(VolumeM, FindMixerControlFailuresLeaveTheRecord) {
  FakeMixer mixer;
  mixer.addStandardLines();
  MixerControlRecord record;
  record.dwControlID = 5;
  EXPECT_EQ(FindMixerControl(mixer, 0x77, 0x2000, kControlVolume, record), 0);
  EXPECT_EQ(record.cbStruct, 0u);  // no line: untouched
  EXPECT_EQ(FindMixerControl(mixer, 0x77, kComponentSpeakers, 0x1234, record), 0);
  EXPECT_EQ(record.cbStruct, kMixerControlRecordSize);  // line found, control not
  EXPECT_EQ(record.dwControlID, 5u);
}

TEST(VolumeM, SetMixerControlValueSendsOneValueOrNothing) {
  FakeMixer mixer;
  const MixerControlRecord speakers = FakeMixer::volumeControl(17, 0, 65535);
  EXPECT_EQ(SetMixerControlValue(mixer, 0x77, speakers, 9362), -1);
  mixer.setResult = kMixerInvalidHandle;
  EXPECT_EQ(SetMixerControlValue(mixer, 0x77, speakers, 0), 0);
  EXPECT_EQ(SetMixerControlValue(mixer, 0, speakers, 5), 0);
  EXPECT_EQ(SetMixerControlValue(mixer, 0x77, MixerControlRecord{}, 5), 0);
  EXPECT_THAT(mixer.writes,
              ElementsAre(std::make_tuple(0x77u, 17u, 9362u), std::make_tuple(0x77u, 17u, 0u)));
}

class VolumeButtons : public ::testing::Test {
 protected:
  void SetUp() override { program.load(); }
  std::tuple<std::string, std::string, float, std::int32_t> levelValueMarker() {
    Form1& form = *program.form;
    return {form[form1::volup].caption(), form[form1::vText].text(), form[form1::volstate].left(),
            form.state().VolumeValue};
  }
  int clickSounds() { return static_cast<int>(program.slot(form1::ding).loads.size() / 2); }
  TestProgram program;
};

TEST_F(VolumeButtons, SevenStepsDownReachZeroAfterFourThenDoNothing) {
  const int soundsBefore = clickSounds();
  for (int i = 0; i < 7; ++i) program.form->run(form1::Vdown);
  EXPECT_EQ(levelValueMarker(), std::make_tuple("0", "0", 0.0f, 0));
  EXPECT_EQ(clickSounds() - soundsBefore, 4);
  ASSERT_EQ(program.mixer.writes.size(), 5u);
  EXPECT_EQ(std::get<2>(program.mixer.writes[1]), 28086u);
  EXPECT_EQ(std::get<2>(program.mixer.writes[4]), 0u);
}

TEST_F(VolumeButtons, ThreeStepsUpReachTheTopThenDoNothing) {
  for (int i = 0; i < 3; ++i) program.form->run(form1::VUP);
  EXPECT_EQ(levelValueMarker(), std::make_tuple("7", "65534", 735.0f, 65534));
  const int soundsAtTop = clickSounds();
  const auto writesAtTop = program.mixer.writes.size();
  program.form->run(form1::VUP);
  EXPECT_EQ(levelValueMarker(), std::make_tuple("7", "65534", 735.0f, 65534));
  EXPECT_EQ(clickSounds(), soundsAtTop);
  EXPECT_EQ(program.mixer.writes.size(), writesAtTop);
}

TEST(VolumeButtonsWithoutMixer, StepsDoNothing) {
  TestProgram program;
  program.mixer.openResult = kMixerBadDevice;
  program.load();
  Form1& form = *program.form;
  auto levelValueMarker = [&form] {
    return std::make_tuple(form[form1::volup].caption(), form[form1::vText].text(),
                           form[form1::volstate].left(), form.state().VolumeValue);
  };
  const auto before = levelValueMarker();
  const auto soundsBefore = program.slot(form1::ding).loads.size();
  for (const auto button : {form1::VUP, form1::Vdown, form1::Vdown, form1::VUP}) {
    form.run(button);
    EXPECT_EQ(levelValueMarker(), before) << button.name();
  }
  EXPECT_EQ(program.slot(form1::ding).loads.size(), soundsBefore);
  EXPECT_THAT(program.mixer.writes, IsEmpty());
}

}  // namespace
}  // namespace hifz
