#include "platform/sndfile_take_files.h"

#include <fcntl.h>
#include <sndfile.h>
#include <unistd.h>

#include <QStandardPaths>
#include <cstdio>
#include <ctime>
#include <string>
#include <system_error>

#include "recitation/take_shelf.h"

namespace hifz {
namespace {

std::string fileName(const Take& take) {
  const std::time_t seconds = static_cast<std::time_t>(take.takenAt / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  char name[64];
  std::snprintf(name, sizeof name, "%03d-%03d-%04d-%02d-%02d-%02d%02d%02d.flac", take.verse.chapter,
                take.verse.verse, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour, local.tm_min, local.tm_sec);
  return name;
}

// Why the samples could not be written to `path` as FLAC, or "" when they were.
std::string writeFlac(const std::filesystem::path& path, const Take& take) {
  SF_INFO info{};
  info.samplerate = take.sampleRate;
  info.channels = 1;
  info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return sf_strerror(nullptr);
  const auto count = static_cast<sf_count_t>(take.samples.size());
  std::string why;
  if (sf_write_short(file, take.samples.data(), count) != count) why = sf_strerror(file);
  if (sf_close(file) != 0 && why.empty()) why = "it could not be closed";
  return why;
}

bool flushToDisk(const std::filesystem::path& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool flushed = ::fsync(descriptor) == 0;
  ::close(descriptor);
  return flushed;
}

}  // namespace

KeptTake SndfileTakeFiles::keep(const Take& take) {
  if (take.samples.empty() || take.sampleRate <= 0) return {false, "the take is empty"};
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) return {false, folder_.string() + ": " + error.message()};
  const std::filesystem::path path = folder_ / fileName(take);
  const std::filesystem::path partial = folder_ / ("." + fileName(take) + ".part");
  std::string why = writeFlac(partial, take);
  if (why.empty() && !flushToDisk(partial)) why = "it could not be flushed to the disk";
  if (why.empty()) {
    std::filesystem::rename(partial, path, error);
    if (error) why = error.message();
  }
  if (why.empty()) return {true, path.string()};
  std::filesystem::remove(partial, error);
  return {false, path.string() + ": " + why};
}

std::filesystem::path takesFolder() {
  return std::filesystem::path(
             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()) /
         "hifz" / "takes";
}

}  // namespace hifz
