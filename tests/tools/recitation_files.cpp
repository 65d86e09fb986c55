#include "recitation_files.h"

#include <gtest/gtest.h>
#include <mpg123.h>

#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numbers>

namespace hifz::testing {

std::vector<std::uint8_t> toneMp3(double frequency, double seconds, int sampleRate, int channels,
                                  bool id3Tag) {
  const auto count = static_cast<std::size_t>(std::lround(seconds * sampleRate));
  QByteArray pcm;
  for (std::size_t i = 0; i < count; ++i) {
    const double phase = 2 * std::numbers::pi * frequency * static_cast<double>(i) / sampleRate;
    const auto sample = static_cast<std::int16_t>(std::lround(0.5 * 32767 * std::sin(phase)));
    for (int channel = 0; channel < channels; ++channel) {
      pcm.append(static_cast<char>(sample & 0xff));
      pcm.append(static_cast<char>((sample >> 8) & 0xff));
    }
  }
  const QString kHz = QString::number(sampleRate / 1000.0);
  QStringList arguments = {"--quiet",    "-r", "-s",       kHz,
                           "--resample", kHz,  "--signed", "--little-endian",
                           "--bitwidth", "16", "-m",       channels == 1 ? "m" : "j",
                           "-V",         "2"};
  if (id3Tag)
    arguments << "--add-id3v2"
              << "--tt"
              << "A verse"
              << "--ta"
              << "A reciter";
  // Into a file, as a reciter's files are made: lame then writes its Info frame first.
  QTemporaryDir dir;
  const QString file = dir.filePath("tone.mp3");
  arguments << "-" << file;
  QProcess lame;
  lame.start("lame", arguments);
  lame.write(pcm);
  lame.closeWriteChannel();
  EXPECT_TRUE(lame.waitForFinished(30000));
  EXPECT_EQ(lame.exitCode(), 0) << lame.readAllStandardError().toStdString();
  return readBytes(file.toStdString());
}

DecodedLength decodedLength(const std::filesystem::path& file) {
  DecodedLength length;
  mpg123_handle* decoder = mpg123_new(nullptr, nullptr);
  mpg123_param(decoder, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0);
  mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
  int channels = 0;
  int encoding = 0;
  if (mpg123_open(decoder, file.c_str()) == MPG123_OK && mpg123_scan(decoder) == MPG123_OK &&
      mpg123_getformat(decoder, &length.sampleRate, &channels, &encoding) == MPG123_OK) {
    const off_t samples = mpg123_length(decoder);
    if (samples > 0) length.samples = static_cast<std::uint64_t>(samples);
  }
  mpg123_close(decoder);
  mpg123_delete(decoder);
  return length;
}

std::string ToneVerse::fileName() const {
  char name[16];
  std::snprintf(name, sizeof name, "%03d%03d.mp3", surah, verse);
  return name;
}

const std::vector<ToneVerse>& toneVerses() {
  static const std::vector<ToneVerse> verses = [] {
    std::vector<ToneVerse> all;
    const auto add = [&](int surah, int verse, double seconds, int rate, int channels, bool id3) {
      const double frequency = 300 + 40 * static_cast<double>(all.size());
      all.push_back({surah, verse, frequency, seconds, rate, channels, id3});
    };
    for (int verse = 1; verse <= 6; ++verse)
      add(114, verse, 0.5 + 0.1 * verse, 44100, 1, verse % 2);
    for (const int verse : {1, 2, 3, 5}) add(113, verse, 0.8, 48000, 2, false);
    for (const int verse : {1, 3, 4}) add(112, verse, 0.7, 22050, 1, verse == 4);
    for (int verse = 1; verse <= 5; ++verse)
      add(111, verse, 0.6, verse <= 3 ? 44100 : 22050, 1, false);
    add(2, 1, 0.5, 44100, 1, false);
    return all;
  }();
  return verses;
}

void writeToneRecitation(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const ToneVerse& verse : toneVerses()) {
    writeBytes(folder / verse.fileName(), toneMp3(verse.frequency, verse.seconds, verse.sampleRate,
                                                  verse.channels, verse.id3Tag));
  }
  const std::string text = "This is not a recitation.\n";
  writeBytes(folder / kNotMp3Verse, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace hifz::testing
