#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "content/content_error.h"
#include "content/content_folder.h"

namespace hifz::content {

struct BuildRequest {
  std::filesystem::path audio;  // a folder or a zip file of "SSSAAA.mp3"
  std::filesystem::path out;
  bool force = false;  // replace an OUT that is empty or holds only content made before
  // Chapters to build by their number (1 to 114); empty for the original
  // course's 37 and every other chapter AUDIO has a file of.
  std::vector<int> surahs;
  std::filesystem::path quranChapters;
  // Set, from any thread, to give up: the build throws BuildStopped, with OUT
  // as it was and nothing left beside it.
  const std::atomic<bool>* stop = nullptr;
};

/// How one chapter went.
struct ChapterOutcome {
  std::string name;  // "1-1/An Nas (114)"
  int surah = 0;
  int verses = 0;  // the chapter's
  int built = 0;   // verses with a movie; 0 for a chapter left out
  std::vector<int> missing;
  int converted = 0;  // verse sounds converted to join the whole chapter
};

/// A file of AUDIO that was left aside, and why ("cannot be read (CRC error)").
struct SkippedFile {
  std::string name;  // "reciter.zip:reciter/114001.mp3"
  std::string why;
};

/// What the build tells as it goes, from any thread but one call at a time.
struct BuildListener {
  std::function<void(const std::string& chapter, int done, int total)> started;
  std::function<void(const ChapterOutcome& outcome, int done, int total)> finished;
  // Each skipped file, note, missing verse and chapter left out, in a line.
  std::function<void(const std::string& problem)> problem;
};

struct BuildSummary {
  std::vector<ChapterOutcome> chapters;  // the chosen ones, in menu order
  std::vector<SkippedFile> skipped;      // by name
  // What else was told, beside missing verses and chapters left out: parts of
  // files left out, whole-chapter movies left out, files of other chapters.
  std::vector<std::string> notes;
  ContentSummary written;
};

/// Thrown when the request's `stop` was set; nothing was written.
class BuildStopped : public ContentError {
 public:
  BuildStopped() : ContentError("stopped; nothing was written") {}
};

/// Builds OUT from a reciter's files: "2 blank.gif" and the data folder with
/// the chosen chapters, laid out as the original course when they are all of
/// it, else in the groups of the whole Quran, with "catalog.txt" saying so. Files that cannot be
/// read or are not MP3 are named and skipped, and so are files of verses a chapter does not have;
/// verses without a usable file are left out of their chapter, which is still built. OUT is made
/// beside itself, with the permissions the umask gives, flushed to disk and moved into place whole.
/// Throws ContentError, with nothing written and OUT as it was, when OUT is there without `force`
/// (even one that appeared while the build ran) or holds what is not the program's content, when
/// AUDIO cannot be opened or holds no verse of the chosen chapters, or when
/// writing fails (naming the file in OUT and why).
BuildSummary buildRecitedContent(const BuildRequest& request, const BuildListener& listener);

}  // namespace hifz::content
