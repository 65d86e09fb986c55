#pragma once

namespace hifz {

class Form1;

/// The chapter screen's right-hand column: verse in breaths `Image3`, whole
/// chapter in parts `Image1`, difficult words `Image16`, whole chapter as one
/// movie `Image4`, the Othmani page `Othmani` and chosen verses `Image2`. Each
/// first returns the reading to idle; while the breaths or the range panel is
/// open only the Othmani page does more.
void wireReadingModeButtons(Form1& form);

}  // namespace hifz
