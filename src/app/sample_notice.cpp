#include "sample_notice.h"

#include "content/content_writer.h"
#include "dialog/notice.h"
#include "platform/disk_file_system.h"
#include "platform/user_settings.h"

namespace hifz {

void tellAboutSampleContent(const std::filesystem::path& appFolder, MsgFormHolder& msgForm,
                            UserSettings& settings) {
  if (settings.sampleNoticeShown()) return;
  const auto note = resolveProgramPath(appFolder.string() + "/data/" + content::kSampleNote);
  std::error_code error;
  if (!note || !std::filesystem::is_regular_file(*note, error)) return;
  showNotice(msgForm, {"تنبيه", "الصوت في هذا المحتوى نغمة للتجربة، لا تلاوة.",
                       "لإضافة قارئ اختر «إضافة قارئ…» من قائمة البرنامج.", false});
  settings.setSampleNoticeShown();
}

}  // namespace hifz
