#include "platform/user_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <utility>

namespace hifz {
namespace {

constexpr char kSampleNoticeShown[] = "notices/sampleContentShown";

std::unique_ptr<QSettings> openSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("hifz"), QStringLiteral("hifz"));
}

// The program's keys are "group/name" in plain letters; a file read as
// anything else (text or bytes of another kind) is not one of its settings.
bool shapedAsOurs(const QSettings& settings) {
  // Lines Qt cannot take for settings are passed over: a file of them holds none.
  if (settings.allKeys().isEmpty() && QFileInfo(settings.fileName()).size() > 0) return false;
  static const QRegularExpression key(QStringLiteral("^[A-Za-z0-9._-]+/[A-Za-z0-9._-]+$"));
  static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
  for (const QString& name : settings.allKeys()) {
    if (!key.match(name).hasMatch()) return false;
    const QVariant value = settings.value(name);
    if (value.typeId() != QMetaType::QString || control.match(value.toString()).hasMatch())
      return false;
  }
  return true;
}

}  // namespace

UserSettings::UserSettings() : settings_(openSettings()) {
  const QFileInfo file(settings_->fileName());
  if (file.exists() && (!file.isFile() || !file.isReadable()))
    setAside("it cannot be read");
  else if (settings_->status() == QSettings::FormatError || !shapedAsOurs(*settings_))
    setAside("it is not a settings file");
}

std::map<std::string, std::string> UserSettings::values() const {
  std::map<std::string, std::string> values;
  if (replaceOnChange_) return values;
  for (const QString& key : settings_->allKeys())
    values[key.toStdString()] = settings_->value(key).toString().toStdString();
  return values;
}

void UserSettings::setValue(const std::string& key, const std::string& value) {
  if (replaceOnChange_) {
    // Only a file of ours is replaced; a folder in its place stays, and the
    // write below fails and says so.
    if (QFileInfo(settings_->fileName()).isFile()) QFile::remove(settings_->fileName());
    settings_ = openSettings();
    replaceOnChange_ = false;
  }
  for (const QString& gone : std::exchange(forgotten_, {})) settings_->remove(gone);
  settings_->setValue(QString::fromStdString(key), QString::fromStdString(value));
  settings_->sync();
  if (settings_->status() != QSettings::NoError && !toldWriteFailed_) {
    toldWriteFailed_ = true;
    std::fprintf(stderr, "hifz: the settings could not be kept in %s\n",
                 qPrintable(settings_->fileName()));
  }
}

void UserSettings::discard(const std::string& why) { setAside("it holds " + why); }

void UserSettings::forget(const std::string& key) {
  forgotten_.append(QString::fromStdString(key));
}

void UserSettings::discardValue(const std::string& key, const std::string& why) {
  std::fprintf(stderr,
               "hifz: the setting %s = \"%s\" in %s is not used, as %s; it is dropped on the "
               "next change\n",
               key.c_str(), qPrintable(settings_->value(QString::fromStdString(key)).toString()),
               qPrintable(settings_->fileName()), why.c_str());
  forget(key);
}

void UserSettings::setAside(const std::string& why) {
  replaceOnChange_ = true;
  std::fprintf(
      stderr,
      "hifz: the settings in %s are not used, as %s; they are replaced on the next change\n",
      qPrintable(settings_->fileName()), why.c_str());
}

bool UserSettings::sampleNoticeShown() const {
  return !replaceOnChange_ && settings_->value(kSampleNoticeShown, false).toBool();
}

void UserSettings::setSampleNoticeShown() { setValue(kSampleNoticeShown, "true"); }

}  // namespace hifz
