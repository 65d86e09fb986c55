#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "shell/form1_inventory.h"
#include "test_program.h"

namespace hifz {
namespace {

using testing::TestProgram;

TEST(Inventory, EveryContainerIsCreatedBeforeItsControlsAndNamesAreUnique) {
  std::set<std::string> seen;
  for (const ControlSpec& spec : form1Inventory()) {
    if (!spec.container.empty()) {
      EXPECT_TRUE(seen.contains(std::string(spec.container))) << spec.name;
    }
    std::string key(spec.name);
    // Appended piece by piece: GCC 12 at -O3 takes "(" + ... + ")" for an
    // overlapping copy (-Wrestrict) and the release build fails.
    if (spec.index >= 0) {
      key += '(';
      key += std::to_string(spec.index);
      key += ')';
    }
    EXPECT_TRUE(seen.insert(key).second) << key;
    seen.insert(std::string(spec.name));
  }
}

TEST(Inventory, CreatesControlsWithTheirDesignerValues) {
  TestProgram program;
  Form1& form = *program.form;
  EXPECT_EQ(form[form1::Check1].value(), 1);
  EXPECT_EQ(form[form1::Check2].value(), 0);
  EXPECT_EQ(form[form1::Timer1].interval(), 500);
  EXPECT_EQ(form[form1::Timer2].interval(), 0);
  EXPECT_EQ(form[form1::Text1].text(), "500");
  EXPECT_EQ(form[form1::Repeat].text(), "1");
  EXPECT_EQ(form[form1::Repeat].maxLength(), 2);
  EXPECT_EQ(form[form1::Label7].caption(), "1");
  EXPECT_EQ(form[form1::StopIt].caption(), "On");
  EXPECT_EQ(form[form1::kind].caption(), "Kind");
  EXPECT_EQ(form[form1::L4].caption(), "Label10");
  EXPECT_EQ(form[form1::Check3].caption(), "تكرار المقطع");
  EXPECT_EQ(form[form1::Image3].toolTip(), "قراءة الآية مجزأة إلى أنفاس");
  EXPECT_EQ(form[form1::VUP].toolTip(), "رفع الصوت");
  const Image& eighth = form[form1::Image5[7]];
  EXPECT_EQ(eighth.index(), 7);
  EXPECT_EQ(eighth.left(), 1380);
  EXPECT_EQ(eighth.top(), 1935);
  EXPECT_EQ(form[form1::Label1].container(), &form[form1::Frame1]);
  EXPECT_EQ(form[form1::Frame1].container(), &form[form1::Picture2]);
  EXPECT_EQ(form[form1::Picture2].container(), &form.window());
  EXPECT_FALSE(form[form1::DoingIt].visible());
  EXPECT_THROW(form.controlNamed("frame"), std::out_of_range);
  // StopIt taken for a label does not compile.
}

TEST(Inventory, SlotsCarryTheirPlaybackSettings) {
  TestProgram program;
  EXPECT_TRUE(program.slot(form1::flash1).settings().playsOnce);
  EXPECT_TRUE(program.slot(form1::flash1).settings().windowed);
  EXPECT_FALSE(program.slot(form1::StartFlash).settings().startsByItself);
  EXPECT_EQ(program.slot(form1::verses3).settings().scale, ScaleMode::NoScale);
  EXPECT_EQ(program.slot(form1::TopMenu).settings(), SlotSettings{});
  EXPECT_EQ(program.slots.size(), 9u);
}

TEST(Inventory, PropertyChangesReachObserversOnlyWhenTheValueChanges) {
  struct Recorder : ControlObserver {
    void controlChanged(const Control& control, Property property) override {
      changes.emplace_back(control.name(), property);
    }
    std::vector<std::pair<std::string, Property>> changes;
  } recorder;
  TestProgram program;
  Label& label = (*program.form)[form1::Label4];
  label.addObserver(&recorder);
  label.setCaption("0");
  label.setCaption("5");
  label.setVisible(true);
  label.setLeft(1);
  EXPECT_THAT(recorder.changes, ::testing::ElementsAre(std::make_pair("Label4", Property::Caption),
                                                       std::make_pair("Label4", Property::Left)));
}

}  // namespace
}  // namespace hifz
