#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialog/msg_form_holder.h"
#include "dialog/notice.h"
#include "platform/qt_services.h"
#include "shell/form1.h"

namespace hifz {
namespace {

QWidget* dialogWidget() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->isVisible() && widget->windowTitle() == "MsgForm") return widget;
  return nullptr;
}

QLabel* labelShowing(QWidget& window, const QString& text) {
  for (QLabel* label : window.findChildren<QLabel*>())
    if (label->text() == text && label->isVisibleTo(&window)) return label;
  return nullptr;
}

// The program's own dialog, drawn by Qt from its model, shows a notice and
// gives the main window back when its OK button is clicked.
TEST(WidgetWindow, ShowsTheNoticeAndClosesThroughItsButton) {
  QtWindowSystem windows;
  QtTextMeasure measure(QApplication::font());
  NullDisplay display;
  NullMixer mixer;
  NullShell shell;
  NullSound sound;
  NullMessageBox messages;
  NullFileSystem files;
  NullClock clock;
  auto noSlot = [](const std::string& name,
                   const SlotSettings& settings) -> std::unique_ptr<MovieSlot> {
    struct Silent final : MovieSlot {
      using MovieSlot::MovieSlot;
      void play() override {}
      void stop() override {}
      bool isPlaying() const override { return false; }
      int frameNum() const override { return 0; }
      void load(const std::string&) override {}
    };
    return std::make_unique<Silent>(name, settings);
  };
  Form1 form(Platform{windows, display, mixer, shell, sound, messages, files, clock}, noSlot,
             "/opt/hifz");
  MsgFormHolder dialog(form, measure, "https://hifz.example/");

  showNotice(dialog, Notice{"تنبيه", "السطر الأول", "السطر الثاني", true});
  QWidget* window = dialogWidget();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(form.window().enabled());
  EXPECT_NE(labelShowing(*window, "تنبيه"), nullptr);
  EXPECT_NE(labelShowing(*window, "https://hifz.example/"), nullptr);
  // The message's lines end in carriage returns; on screen they are lines.
  EXPECT_NE(labelShowing(*window, "السطر الأول\nالسطر الثاني"), nullptr);
  EXPECT_GT(window->width(), 100);

  QPushButton* ok = nullptr;
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (button->isVisibleTo(window) && button->text() == "موافق") ok = button;
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.current(), nullptr);
  EXPECT_TRUE(form.window().enabled());
  EXPECT_EQ(dialogWidget(), nullptr);
}

}  // namespace
}  // namespace hifz
