#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "controls/colour.h"
#include "dialog/feedback_notice.h"
#include "dialog/msg_form_holder.h"
#include "dialog/notice.h"
#include "navigation/chapter_selection.h"
#include "platform/qt_services.h"
#include "shell/form1.h"
#include "view/msg_form_look.h"

namespace hifz {
namespace {

// As long an address as the product might have; the layout makes the link only
// as wide as the message.
constexpr const char* kWebsite = "https://www.example-learning-site.org/quran/";

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

std::unique_ptr<MovieSlot> noSlot(const std::string& name, const SlotSettings& settings) {
  struct Silent final : MovieSlot {
    using MovieSlot::MovieSlot;
    void play() override {}
    void stop() override {}
    bool isPlaying() const override { return false; }
    int frameNum() const override { return 0; }
    void load(const std::string&) override {}
  };
  return std::make_unique<Silent>(name, settings);
}

// Every place a window of the model takes, in twips.
struct PlacesTaken final : ControlObserver {
  void controlChanged(const Control& control, Property property) override {
    if (property == Property::Left || property == Property::Top)
      places.emplace_back(control.left(), control.top());
  }
  std::vector<std::pair<float, float>> places;
};

// The program's own dialog, drawn by Qt from its model, beside a main window
// whose platform does nothing.
class MsgFormOnScreen : public ::testing::Test {
 protected:
  ~MsgFormOnScreen() override {
    dialog.unload();
    QCoreApplication::processEvents();
  }

  QWidget& show(const Notice& notice) {
    showNotice(dialog, notice);
    QWidget* window = dialogWidget();
    if (!window) throw std::runtime_error("the dialog is not on screen");
    return *window;
  }

  QtWindowSystem windows{{{"MsgForm", msgFormLook()}}};
  QtTextMeasure measure{msgFormFont()};
  NullDisplay display;
  NullMixer mixer;
  NullShell shell;
  NullSound sound;
  NullMessageBox messages;
  NullFileSystem files;
  NullClock clock;
  NullSettingsStore settings;
  Form1 form{Platform{windows, display, mixer, shell, sound, messages, files, clock, settings},
             noSlot, "/opt/hifz"};
  MsgFormHolder dialog{form, measure, kWebsite};
};

const Notice kFeedback{"موقع البرنامج", "لملاحظاتكم وآرائكم", " موقع البرنامج", false};

// A notice shows its texts and gives the main window back when its OK button is clicked.
TEST_F(MsgFormOnScreen, ShowsTheNoticeAndClosesThroughItsButton) {
  QWidget& window = show(Notice{"تنبيه", "السطر الأول", "السطر الثاني", true});
  EXPECT_FALSE(form.window().enabled());
  EXPECT_NE(labelShowing(window, "تنبيه"), nullptr);
  EXPECT_NE(labelShowing(window, kWebsite), nullptr);
  // The message's lines end in carriage returns; on screen they are lines.
  EXPECT_NE(labelShowing(window, "السطر الأول\nالسطر الثاني"), nullptr);
  EXPECT_GT(window.width(), 100);

  QPushButton* ok = nullptr;
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->isVisibleTo(&window) && button->text() == "موافق") ok = button;
  ASSERT_NE(ok, nullptr);
  QTest::mouseClick(ok, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.current(), nullptr);
  EXPECT_TRUE(form.window().enabled());
  EXPECT_EQ(dialogWidget(), nullptr);
}

// The pointer over the link turns it blue, over the dialog's background black,
// as the system delivers the moves to the window.
TEST_F(MsgFormOnScreen, LinkTurnsBlueUnderThePointer) {
  QWidget& window = show(kFeedback);
  QLabel* link = labelShowing(window, kWebsite);
  ASSERT_NE(link, nullptr);
  Label& www = (*dialog.current())[msg_form::www];
  QWindow* system = window.windowHandle();

  QTest::mouseMove(system, QPoint(2, window.height() / 2));
  EXPECT_EQ(www.foreColor(), kBlack);
  QTest::mouseMove(system, link->geometry().center());
  EXPECT_EQ(www.foreColor(), kBlue);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  QTest::mouseMove(system, QPoint(2, window.height() / 2));
  EXPECT_EQ(www.foreColor(), kBlack);
}

// Dragging by the title text or by the strip beside it moves the dialog by
// exactly the pointer's movement, step after step, and nowhere else on the way.
TEST_F(MsgFormOnScreen, DragByTheTitleMovesTheDialogWithThePointer) {
  enum class Grip { TitleText, StripBesideIt };
  for (Grip grip : {Grip::TitleText, Grip::StripBesideIt}) {
    SCOPED_TRACE(grip == Grip::TitleText ? "title text" : "strip beside it");
    QWidget& window = show(kFeedback);
    QLabel* title = labelShowing(window, "موقع البرنامج");
    ASSERT_NE(title, nullptr);
    const QPoint inWindow = grip == Grip::TitleText
                                ? title->geometry().center()
                                : QPoint(3, title->parentWidget()->height() / 2);
    ASSERT_EQ(window.childAt(inWindow), grip == Grip::TitleText ? title : title->parentWidget());
    QWindow* system = window.windowHandle();
    const QPoint start = window.pos();
    const float startLeft = dialog.current()->window().left();
    const float startTop = dialog.current()->window().top();
    const QPoint pressedAt = window.mapToGlobal(inWindow);

    PlacesTaken taken;
    dialog.current()->window().addObserver(&taken);

    QTest::mousePress(system, Qt::LeftButton, {}, inWindow);
    EXPECT_TRUE(taken.places.empty());
    QPoint pointer = pressedAt;
    for (QPoint step : {QPoint(7, 3), QPoint(20, -5), QPoint(-13, 11), QPoint(1, 0)}) {
      pointer += step;
      taken.places.clear();
      QTest::mouseMove(system, window.mapFromGlobal(pointer));
      const QPoint moved = pointer - pressedAt;
      const std::pair<float, float> expected(startLeft + 15.0f * static_cast<float>(moved.x()),
                                             startTop + 15.0f * static_cast<float>(moved.y()));
      // The handler sets Left, then Top: each place on the way already has the new Left.
      ASSERT_FALSE(taken.places.empty());
      for (const auto& place : taken.places) EXPECT_EQ(place.first, expected.first);
      EXPECT_EQ(taken.places.back(), expected);
      EXPECT_EQ(window.pos(), start + moved);
    }
    QTest::mouseRelease(system, Qt::LeftButton, {}, window.mapFromGlobal(pointer));
    dialog.current()->window().removeObserver(&taken);
    dialog.unload();
    QCoreApplication::processEvents();
  }
}

// The room Qt gives a widget's text: a button's label area, a label's contents.
QRectF textArea(const QWidget& widget) {
  auto* button = qobject_cast<const QPushButton*>(&widget);
  if (!button) return widget.contentsRect();
  QStyleOptionButton option;
  option.initFrom(button);
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// Whether the widget's text shows whole in its own font: Qt's layout of it no
// wider than its room, and the ink (and underline) of every line within the
// widget's height. (Qt's tight rectangle is good for heights only: it adds up unshaped advances.)
::testing::AssertionResult showsWhole(const QWidget& widget, const QString& text) {
  const QFontMetricsF metrics(widget.font());
  const QRectF area = textArea(widget);
  const QRectF laidOut = metrics.boundingRect(area, Qt::AlignCenter, text);
  if (laidOut.width() > area.width())
    return ::testing::AssertionFailure() << laidOut.width() << " px of text in " << area.width();
  qreal baseline = laidOut.top() + metrics.ascent();
  for (const QString& line : text.split('\n')) {
    const QRectF ink = metrics.tightBoundingRect(line);
    const qreal underline = metrics.underlinePos() + metrics.lineWidth();
    const qreal bottom =
        widget.font().underline() ? std::max(ink.bottom(), underline) : ink.bottom();
    if (baseline + ink.top() < 0 || baseline + bottom > widget.height())
      return ::testing::AssertionFailure() << "ink " << baseline + ink.top() << ".."
                                           << baseline + bottom << " in " << widget.height();
    baseline += metrics.lineSpacing();
  }
  return ::testing::AssertionSuccess();
}

// Whether one row of the drawn widget is a line under most of its text.
bool drawsAnUnderline(QLabel& label) {
  const QImage drawn = label.grab().toImage();
  const QRgb background = drawn.pixel(0, 0);
  const qreal textWidth = QFontMetricsF(label.font()).horizontalAdvance(label.text());
  for (int y = 0; y < drawn.height(); ++y) {
    int inked = 0;
    for (int x = 0; x < drawn.width(); ++x) inked += drawn.pixel(x, y) != background ? 1 : 0;
    if (inked >= 0.9 * textWidth) return true;
  }
  return false;
}

struct ShownNotice {
  const char* name;
  std::function<void(Form1&)> request;
  QString title;
  QString message;
};

// The program's two notices, asked for as a user would, show every text whole
// in the Arabic face, the message at its full size and the dialog fitted to it.
TEST_F(MsgFormOnScreen, NoticesShowEveryTextWholeInTheArabicFace) {
  wireFeedbackNotice(form, dialog);
  wireChapterSelection(form, dialog);
  const ShownNotice notices[] = {
      {"missing_chapter", [](Form1& main) { main[form1::verses1].raiseFSCommand("click", "1"); },
       "تنبيه", "يمكنك إضافة السور الناقصة\nمن موقع البرنامج"},
      {"feedback", [](Form1& main) { main[form1::Image7].click(); }, "موقع البرنامج",
       "لملاحظاتكم وآرائكم\n موقع البرنامج"},
  };
  for (const ShownNotice& notice : notices) {
    SCOPED_TRACE(notice.name);
    notice.request(form);
    QWidget* window = dialogWidget();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QLabel* title = labelShowing(*window, notice.title);
    QLabel* message = labelShowing(*window, notice.message);
    QLabel* link = labelShowing(*window, kWebsite);
    ASSERT_TRUE(title && message && link);

    QList<QWidget*> texts = {title, message, link};
    // The layout's own button lies outside the dialog, in the default font.
    for (QPushButton* button : window->findChildren<QPushButton*>())
      if (button->isVisibleTo(window) &&
          window->rect().intersects(QRect(button->mapTo(window, QPoint()), button->size())))
        texts.append(button);
    for (QWidget* widget : texts) {
      const QString text = qobject_cast<QLabel*>(widget)
                               ? qobject_cast<QLabel*>(widget)->text()
                               : qobject_cast<QPushButton*>(widget)->text();
      SCOPED_TRACE(text.toStdString());
      EXPECT_EQ(QFontInfo(widget->font()).family(), "Amiri");
      EXPECT_GE(widget->font().pointSizeF(), 7);
      EXPECT_LE(widget->font().pointSizeF(), 9.75);
      EXPECT_TRUE(showsWhole(*widget, text));
      EXPECT_TRUE(window->rect().contains(QRect(widget->mapTo(window, QPoint()), widget->size())));
    }
    EXPECT_EQ(message->font().pointSizeF(), 9.75);
    EXPECT_TRUE(link->font().underline());
    EXPECT_TRUE(drawsAnUnderline(*link));

    // The message is measured in the font it is drawn in, and the dialog follows it.
    const QSizeF drawn =
        QFontMetricsF(message->font())
            .boundingRect(QRectF(0, 0, 1000, 1000), Qt::AlignCenter, notice.message)
            .size();
    const MsgForm& model = *dialog.current();
    EXPECT_EQ(model[msg_form::MyMsg].width(), 15 * std::ceil(drawn.width()));
    EXPECT_EQ(model[msg_form::MyMsg].height(), 15 * std::ceil(drawn.height()));
    EXPECT_EQ(window->height() * 15, model[msg_form::MyMsg].height() +
                                         model[msg_form::TitlePic].height() +
                                         model[msg_form::MyR1].height() + 630);

    const QRect shot = window->frameGeometry().adjusted(-20, -20, 20, 20);
    const QString path = QStringLiteral(QT_TESTCASE_BUILDDIR "/msg_form_%1.png").arg(notice.name);
    EXPECT_TRUE(window->screen()
                    ->grabWindow(0, shot.x(), shot.y(), shot.width(), shot.height())
                    .save(path));
    std::printf("%s: title %.2f pt, message %.2f pt, link %.2f pt, %d x %d px; %s\n", notice.name,
                title->font().pointSizeF(), message->font().pointSizeF(), link->font().pointSizeF(),
                window->width(), window->height(), qPrintable(path));
    dialog.unload();
    QCoreApplication::processEvents();
  }
}

// An address too long for the dialog at the full size is drawn smaller, whole,
// across the dialog's width.
TEST_F(MsgFormOnScreen, AnAddressWiderThanTheDialogShrinksToFit) {
  const QString address = "https://www.example-learning-site.org/quran/memorisation/juz-amma/";
  MsgFormHolder longer(form, measure, address.toStdString());
  showNotice(longer, kFeedback);
  QWidget* window = dialogWidget();
  ASSERT_NE(window, nullptr);
  QLabel* link = labelShowing(*window, address);
  ASSERT_NE(link, nullptr);
  EXPECT_LT(link->font().pointSizeF(), 9.25);
  EXPECT_GE(link->font().pointSizeF(), 7);
  EXPECT_TRUE(showsWhole(*link, address));
  EXPECT_TRUE(window->rect().contains(link->geometry()));
  EXPECT_GT(link->width(), window->width() / 2);
  longer.unload();
  QCoreApplication::processEvents();
}

}  // namespace
}  // namespace hifz
