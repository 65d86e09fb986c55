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
    if (spec.index >= 0) key += "(" + std::to_string(spec.index) + ")";
    EXPECT_TRUE(seen.insert(key).second) << key;
    seen.insert(std::string(spec.name));
  }
}

TEST(Inventory, CreatesControlsWithTheirDesignerValues) {
  TestProgram program;
  Form1& form = *program.form;
  EXPECT_EQ(form.checkBox("Check1").value(), 1);
  EXPECT_EQ(form.checkBox("Check2").value(), 0);
  EXPECT_EQ(form.timer("Timer1").interval(), 500);
  EXPECT_EQ(form.timer("Timer2").interval(), 0);
  EXPECT_EQ(form.textBox("Text1").text(), "500");
  EXPECT_EQ(form.textBox("Repeat").text(), "1");
  EXPECT_EQ(form.textBox("Repeat").maxLength(), 1);
  EXPECT_EQ(form.label("Label7").caption(), "1");
  EXPECT_EQ(form.button("StopIt").caption(), "On");
  EXPECT_EQ(form.label("kind").caption(), "Kind");
  EXPECT_EQ(form.label("L4").caption(), "Label10");
  EXPECT_EQ(form.checkBox("Check3").caption(), "تكرار المقطع");
  EXPECT_EQ(form.image("Image3").toolTip(), "قراءة الآية مجزأة إلى أنفاس");
  EXPECT_EQ(form.button("VUP").toolTip(), "رفع الصوت");
  const Image& eighth = form.image("Image5(7)");
  EXPECT_EQ(eighth.index(), 7);
  EXPECT_EQ(eighth.left(), 1380);
  EXPECT_EQ(eighth.top(), 1935);
  EXPECT_EQ(form.label("Label1").container(), &form.control("Frame1"));
  EXPECT_EQ(form.control("Frame1").container(), &form.control("Picture2"));
  EXPECT_EQ(form.control("Picture2").container(), &form.window());
  EXPECT_FALSE(form.control("DoingIt").visible());
  EXPECT_THROW(form.control("frame"), std::out_of_range);
  EXPECT_THROW(form.label("StopIt"), std::logic_error);
}

TEST(Inventory, SlotsCarryTheirPlaybackSettings) {
  TestProgram program;
  EXPECT_TRUE(program.slot("flash1").settings().playsOnce);
  EXPECT_TRUE(program.slot("flash1").settings().windowed);
  EXPECT_FALSE(program.slot("StartFlash").settings().startsByItself);
  EXPECT_EQ(program.slot("verses3").settings().scale, ScaleMode::NoScale);
  EXPECT_EQ(program.slot("TopMenu").settings(), SlotSettings{});
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
  Label& label = program.form->label("Label4");
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
