#pragma once

// clang-format off
// The "Today" panel's controls, one a line as in form1_inventory.h, whose
// list of the main window's controls takes them in.
#define HIFZ_FORM1_TODAY_CONTROLS(CONTROL, ARRAY, ELEMENT) \
  /* The button that opens it, on the bar under the main display. */ \
  CONTROL(TodayButton, Label, Form1, "اليوم", 7350, 8520, 1050, 375, true, "ما تراجعه اليوم") \
  /* The panel, where the menu screen lies: today's lists and the picture of progress. */ \
  CONTROL(TodayPanel, PicturePanel, Form1, "", 615, 660, 8445, 7770, kHidden) \
  CONTROL(TodayClose, Image, TodayPanel, "", 210, 180, 960, 420, true, "إغلاق") \
  CONTROL(TodayExport, Image, TodayPanel, "", 1275, 180, 960, 420, true, "احفظ تقدمك في ملف تنقله إلى جهاز آخر") \
  CONTROL(TodayImport, Image, TodayPanel, "", 2340, 180, 960, 420, true, "أضف تقدماً حُفظ في ملف على جهاز آخر") \
  /* The new portion (0), recent review (1 to 3), older review (4 to 6). */ \
  ARRAY(TodayEntry, Label) \
  ELEMENT(TodayEntry, 0, Label, TodayPanel, "", 4500, 1200, 3600, 390) \
  ELEMENT(TodayEntry, 1, Label, TodayPanel, "", 4500, 2100, 3600, 390) \
  ELEMENT(TodayEntry, 2, Label, TodayPanel, "", 4500, 2550, 3600, 390) \
  ELEMENT(TodayEntry, 3, Label, TodayPanel, "", 4500, 3000, 3600, 390) \
  ELEMENT(TodayEntry, 4, Label, TodayPanel, "", 4500, 3900, 3600, 390) \
  ELEMENT(TodayEntry, 5, Label, TodayPanel, "", 4500, 4350, 3600, 390) \
  ELEMENT(TodayEntry, 6, Label, TodayPanel, "", 4500, 4800, 3600, 390) \
  /* Each chapter's share of verses learned: its name, and a bar growing leftwards on its track. */ \
  CONTROL(NoChapterYet, Label, TodayPanel, "قيّم مقطعاً «جيدة» ليظهر هنا ما حفظت", 240, 1260, 3900, 390, kHidden) \
  ARRAY(ChapterName, Label) \
  ELEMENT(ChapterName, 0, Label, TodayPanel, "", 2880, 1260, 1260, 390) \
  ELEMENT(ChapterName, 1, Label, TodayPanel, "", 2880, 1770, 1260, 390) \
  ELEMENT(ChapterName, 2, Label, TodayPanel, "", 2880, 2280, 1260, 390) \
  ELEMENT(ChapterName, 3, Label, TodayPanel, "", 2880, 2790, 1260, 390) \
  ELEMENT(ChapterName, 4, Label, TodayPanel, "", 2880, 3300, 1260, 390) \
  ELEMENT(ChapterName, 5, Label, TodayPanel, "", 2880, 3810, 1260, 390) \
  ARRAY(ChapterTrack, PicturePanel) \
  ELEMENT(ChapterTrack, 0, PicturePanel, TodayPanel, "", 240, 1365, 2580, 180) \
  ELEMENT(ChapterTrack, 1, PicturePanel, TodayPanel, "", 240, 1875, 2580, 180) \
  ELEMENT(ChapterTrack, 2, PicturePanel, TodayPanel, "", 240, 2385, 2580, 180) \
  ELEMENT(ChapterTrack, 3, PicturePanel, TodayPanel, "", 240, 2895, 2580, 180) \
  ELEMENT(ChapterTrack, 4, PicturePanel, TodayPanel, "", 240, 3405, 2580, 180) \
  ELEMENT(ChapterTrack, 5, PicturePanel, TodayPanel, "", 240, 3915, 2580, 180) \
  ARRAY(ChapterBar, PicturePanel) \
  ELEMENT(ChapterBar, 0, PicturePanel, TodayPanel, "", 240, 1365, 2580, 180) \
  ELEMENT(ChapterBar, 1, PicturePanel, TodayPanel, "", 240, 1875, 2580, 180) \
  ELEMENT(ChapterBar, 2, PicturePanel, TodayPanel, "", 240, 2385, 2580, 180) \
  ELEMENT(ChapterBar, 3, PicturePanel, TodayPanel, "", 240, 2895, 2580, 180) \
  ELEMENT(ChapterBar, 4, PicturePanel, TodayPanel, "", 240, 3405, 2580, 180) \
  ELEMENT(ChapterBar, 5, PicturePanel, TodayPanel, "", 240, 3915, 2580, 180) \
  /* Minutes practised each day, the oldest on the right, today on the left. */ \
  CONTROL(DayScale, Label, TodayPanel, "", 240, 5370, 3600, 330) \
  ARRAY(DayBar, PicturePanel) \
  ELEMENT(DayBar, 0, PicturePanel, TodayPanel, "", 7845, 7200, 165, 0) \
  ELEMENT(DayBar, 1, PicturePanel, TodayPanel, "", 7590, 7200, 165, 0) \
  ELEMENT(DayBar, 2, PicturePanel, TodayPanel, "", 7335, 7200, 165, 0) \
  ELEMENT(DayBar, 3, PicturePanel, TodayPanel, "", 7080, 7200, 165, 0) \
  ELEMENT(DayBar, 4, PicturePanel, TodayPanel, "", 6825, 7200, 165, 0) \
  ELEMENT(DayBar, 5, PicturePanel, TodayPanel, "", 6570, 7200, 165, 0) \
  ELEMENT(DayBar, 6, PicturePanel, TodayPanel, "", 6315, 7200, 165, 0) \
  ELEMENT(DayBar, 7, PicturePanel, TodayPanel, "", 6060, 7200, 165, 0) \
  ELEMENT(DayBar, 8, PicturePanel, TodayPanel, "", 5805, 7200, 165, 0) \
  ELEMENT(DayBar, 9, PicturePanel, TodayPanel, "", 5550, 7200, 165, 0) \
  ELEMENT(DayBar, 10, PicturePanel, TodayPanel, "", 5295, 7200, 165, 0) \
  ELEMENT(DayBar, 11, PicturePanel, TodayPanel, "", 5040, 7200, 165, 0) \
  ELEMENT(DayBar, 12, PicturePanel, TodayPanel, "", 4785, 7200, 165, 0) \
  ELEMENT(DayBar, 13, PicturePanel, TodayPanel, "", 4530, 7200, 165, 0) \
  ELEMENT(DayBar, 14, PicturePanel, TodayPanel, "", 4275, 7200, 165, 0) \
  ELEMENT(DayBar, 15, PicturePanel, TodayPanel, "", 4020, 7200, 165, 0) \
  ELEMENT(DayBar, 16, PicturePanel, TodayPanel, "", 3765, 7200, 165, 0) \
  ELEMENT(DayBar, 17, PicturePanel, TodayPanel, "", 3510, 7200, 165, 0) \
  ELEMENT(DayBar, 18, PicturePanel, TodayPanel, "", 3255, 7200, 165, 0) \
  ELEMENT(DayBar, 19, PicturePanel, TodayPanel, "", 3000, 7200, 165, 0) \
  ELEMENT(DayBar, 20, PicturePanel, TodayPanel, "", 2745, 7200, 165, 0) \
  ELEMENT(DayBar, 21, PicturePanel, TodayPanel, "", 2490, 7200, 165, 0) \
  ELEMENT(DayBar, 22, PicturePanel, TodayPanel, "", 2235, 7200, 165, 0) \
  ELEMENT(DayBar, 23, PicturePanel, TodayPanel, "", 1980, 7200, 165, 0) \
  ELEMENT(DayBar, 24, PicturePanel, TodayPanel, "", 1725, 7200, 165, 0) \
  ELEMENT(DayBar, 25, PicturePanel, TodayPanel, "", 1470, 7200, 165, 0) \
  ELEMENT(DayBar, 26, PicturePanel, TodayPanel, "", 1215, 7200, 165, 0) \
  ELEMENT(DayBar, 27, PicturePanel, TodayPanel, "", 960, 7200, 165, 0) \
  ELEMENT(DayBar, 28, PicturePanel, TodayPanel, "", 705, 7200, 165, 0) \
  ELEMENT(DayBar, 29, PicturePanel, TodayPanel, "", 450, 7200, 165, 0)
// clang-format on
