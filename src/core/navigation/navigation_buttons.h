#pragma once

namespace hifz {

class Form1;

/// The chapter screen's bottom row: exit `Image12` (the exit question in place
/// of the top menu), main `Image20` (the top menu), chapters `Image22` (the
/// chapter list chosen last) and options `Image19` (the options panel).
void wireNavigationButtons(Form1& form);

}  // namespace hifz
