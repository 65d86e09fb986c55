#include "platform/user_settings.h"

namespace hifz {
namespace {

constexpr char kSampleNoticeShown[] = "notices/sampleContentShown";

}  // namespace

UserSettings::UserSettings()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("hifz"),
                QStringLiteral("hifz")) {}

bool UserSettings::sampleNoticeShown() const {
  return settings_.value(kSampleNoticeShown, false).toBool();
}

void UserSettings::setSampleNoticeShown() {
  settings_.setValue(kSampleNoticeShown, true);
  settings_.sync();
}

}  // namespace hifz
