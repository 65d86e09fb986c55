#pragma once

namespace hifz {

class Form1;

/// `Menu` brings back the chapter menu page in use (`MenuMovie`); `fadein`
/// brings back the chapter's first menu page.
void wireMenuReturn(Form1& form);

}  // namespace hifz
