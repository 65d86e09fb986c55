#pragma once

namespace hifz {

class PageView;

/// Gives the main window's page elements their look: the window's background
/// picture with its printed buttons, the pictures of the panels and picture
/// buttons, the colours of the plain panels and the fonts of the labels.
/// The elements must exist (the page mirror makes them).
void applyForm1Look(PageView& page);

}  // namespace hifz
