#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

namespace hifz::content {

// The program's look: a calm dark teal, gold accents, cream panels.
inline const QColor kDeepTeal{0x0e, 0x3b, 0x3a};
inline const QColor kTeal{0x18, 0x55, 0x51};
inline const QColor kGold{0xc9, 0xa5, 0x4a};
inline const QColor kPaleGold{0xe9, 0xd6, 0x9c};
inline const QColor kCream{0xf6, 0xee, 0xdb};
inline const QColor kInk{0x1d, 0x38, 0x31};
// The menu screen's own fill, around the movies it shows.
inline const QColor kMenuScreen{0x08, 0x2b, 0x27};

// Stage sizes, in pixels, of the slots the movies are shown in, so that they
// show at their own size in the 800 x 600 window.
inline constexpr QSize kMainDisplay{561, 518};
inline constexpr QSize kTopMenuStrip{540, 234};
inline constexpr QSize kChapterListStage{537, 234};
inline constexpr QSize kBannerStage{512, 234};

/// The font of the Quran text, `pixels` high: Amiri Quran, or failing that
/// Amiri, or Noto Naskh Arabic.
QFont quranFont(double pixels);
/// The font of titles and labels: Amiri, or failing that Noto Naskh Arabic.
QFont labelFont(double pixels, bool bold = false);

/// A number in Arabic-Indic digits: 12 -> "١٢".
QString arabicNumber(int number);
/// A count of verses as said in Arabic: "٦ آيات", "١١ آية".
QString verseCountText(int verses);

}  // namespace hifz::content
