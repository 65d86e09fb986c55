#include "view/form1_look.h"

#include <QFile>

#include "movie/page_bridge.h"
#include "movie/page_scheme.h"
#include "movie/page_view.h"
#include "shell/form1_inventory.h"
#include "view/arabic_font.h"

namespace hifz {
namespace {

struct Picture {
  const char* element;  // "" is the window itself
  const char* file;     // in the program's resources, under :/pictures
};

constexpr Picture kPictures[] = {
    {"", "background.svg"},
    {"Picture11", "credits.svg"},
    {"Picture13", "acknowledgements.svg"},
    {"Picture3", "breaths.svg"},
    {"Picture4", "range.svg"},
    {"GradeStrip", "grade_strip.svg"},
    {"TodayPanel", "today_panel.svg"},
    {"TodayButton", "today_button.svg"},
    {"Picture9", "options.svg"},
    {"Picture7", "volume_scale.svg"},
    {"Picture5", "reciting.svg"},
    {"NoOthmani", "no_othmani.svg"},
    {"playing", "stop.svg"},
    {"Image7", "website.svg"},
    {"Image21", "close.svg"},
    {"VUP", "volume_up.svg"},
    {"Vdown", "volume_down.svg"},
};

struct Fill {
  const char* element;
  const char* colour;
};

// Panels are opaque: what lies behind them must not show through.
constexpr Fill kFills[] = {
    {"Picture8", "#082b27"},    {"Picture12", "#082b27"},  {"Picture10", "#ffffff"},
    {"Picture6", "#e0e0e0"},    {"volstate", "#ffffff"},   {"Picture2", "#d4d0c8"},
    {"Picture1", "#d4d0c8"},    {"Frame1", "#d4d0c8"},     {"VerseCover", "#0e3f38"},
    {"TurnOptions", "#f6efd9"}, {"ListenBack", "#f6e7b0"}, {"KeepTake", "#f6e7b0"},
};

struct Font {
  const char* element;
  const char* family;
  double points;
  bool bold;
  const char* colour;
  const char* alignment;
};

// clang-format off
constexpr Font kFonts[] = {
    {"Label4", kArabicFont, 13.5, true, "#0e3f38", "center"},
    {"Label5", kArabicFont, 13.5, true, "#0e3f38", "center"},
    {"Label12", kArabicFont, 20.25, true, "#1a1a1a", "start"},
    {"Label7", kArabicFont, 13.5, true, "#0e3f38", "center"},
    {"Repeat", kArabicFont, 11, true, "#0e3f38", "center"},
    {"Countdown", kArabicFont, 14, true, "#f6e7b0", "center"},
    {"HideVerseOption", kArabicFont, 11, true, "#0e3f38", "start"},
    {"RecordTurnOption", kArabicFont, 11, true, "#0e3f38", "start"},
    {"EndOnSilenceOption", kArabicFont, 11, true, "#0e3f38", "start"},
    {"TurnOptionsNote", kArabicFont, 8, false, "#8a1c1c", "start"},
    {"RecordingMark", kArabicFont, 16, true, "#d22b2b", "center"},
    {"ListenBack", kArabicFont, 11, true, "#0e3f38", "center"},
    {"KeepTake", kArabicFont, 11, true, "#0e3f38", "center"},
    {"TurnNote", kArabicFont, 11, true, "#f6e7b0", "center"},
    {"TodayButton", kArabicFont, 9.75, true, "#f6e7b0", "center"},
    {"DayScale", kArabicFont, 9, false, "#0e3f38", "center"},
    {"NoChapterYet", kArabicFont, 10.5, false, "#0e3f38", "center"},
};
// clang-format on

// The "Today" panel's control arrays: its entries, and the bars of its picture.
struct ArrayLook {
  const char* array;
  int size;
  const char* fill;  // none for an array of labels
  Font font;
};

constexpr ArrayLook kArrays[] = {
    {"TodayEntry",
     form1::TodayEntry.size(),
     nullptr,
     {"", kArabicFont, 10.5, true, "#0e3f38", "center"}},
    {"ChapterName",
     form1::ChapterName.size(),
     nullptr,
     {"", kArabicFont, 10.5, true, "#0e3f38", "center"}},
    {"ChapterTrack", form1::ChapterTrack.size(), "#e6d9ae", {}},
    {"ChapterBar", form1::ChapterBar.size(), "#c9a646", {}},
    {"DayBar", form1::DayBar.size(), "#1d6d60", {}},
};

}  // namespace

void applyForm1Look(PageView& page) {
  PageBridge& bridge = page.bridge();
  for (const Picture& picture : kPictures) {
    QFile file(QStringLiteral(":/pictures/") + picture.file);
    if (!file.open(QIODevice::ReadOnly)) continue;
    bridge.setPicture(picture.element, page.files().publish(picture.file, file.readAll()));
  }
  for (const Fill& fill : kFills) bridge.setBackground(fill.element, fill.colour);
  for (const Font& font : kFonts) {
    bridge.setFont(font.element, font.family, font.points, font.bold, font.colour);
    bridge.setTextAlignment(font.element, font.alignment);
  }
  for (const ArrayLook& look : kArrays)
    for (int index = 0; index < look.size; ++index) {
      const QString element = QStringLiteral("%1(%2)").arg(look.array).arg(index);
      if (look.fill != nullptr) {
        bridge.setBackground(element, look.fill);
        continue;
      }
      bridge.setFont(element, look.font.family, look.font.points, look.font.bold, look.font.colour);
      bridge.setTextAlignment(element, look.font.alignment);
    }
}

}  // namespace hifz
