#pragma once

namespace hifz {

class Form1;

/// Range choosing and the lists handed to the reading: `Check2` (choosing on),
/// `Command3` (the range panel's answer), `Range` (build the range list and
/// read it), `Command2` (read the last range again), `Command1` (read the
/// chapter's "?-all.gif" movies).
void wireRangeSelection(Form1& form);

}  // namespace hifz
