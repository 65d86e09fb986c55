#include "content/recited/out_folder.h"

#include <algorithm>
#include <string>
#include <vector>

#include "content/content_error.h"
#include "content/content_writer.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

// Names of what is in the way, a few of them.
constexpr std::size_t kNamesTold = 3;

bool liesWithin(const fs::path& inner, const fs::path& outer) {
  const fs::path a = fs::weakly_canonical(inner);
  const fs::path b = fs::weakly_canonical(outer);
  return std::mismatch(b.begin(), b.end(), a.begin(), a.end()).first == b.end();
}

std::string namesOf(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kNamesTold; ++i) {
    text += (i == 0 ? "\"" : ", \"") + names[i] + "\"";
  }
  if (names.size() > kNamesTold)
    text += " and " + std::to_string(names.size() - kNamesTold) + " more";
  return text;
}

// Why OUT is not the program's content, or "" when it is or is empty.
std::string whyNotContent(const fs::path& out) {
  std::error_code error;
  const fs::file_type type = fs::symlink_status(out, error).type();
  if (type == fs::file_type::symlink) return "it is a link";
  if (type != fs::file_type::directory) return "it is not a folder";
  std::vector<std::string> others;
  bool data = false;
  bool blank = false;
  for (fs::directory_iterator it(out, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const fs::file_type entry = it->symlink_status(error).type();
    if (name == "data" && entry == fs::file_type::directory) {
      data = true;
    } else if (name == kBlankMovie && entry == fs::file_type::regular) {
      blank = true;
    } else {
      others.push_back(name);
    }
  }
  if (error) return "it cannot be looked into (" + error.message() + ")";
  if (!others.empty())
    return "it holds " + namesOf(others) + ", which the program's content does not";
  if (data && !blank) return "it holds \"data\" without \"2 blank.gif\"";
  if (blank && !data) return "it holds \"2 blank.gif\" without \"data\"";
  return "";
}

}  // namespace

fs::path normalOut(const fs::path& out) {
  fs::path path = fs::absolute(out).lexically_normal();
  return path.has_filename() ? path : path.parent_path();
}

void checkOut(const fs::path& out, const fs::path& audio, bool force) {
  std::error_code error;
  const bool there = fs::symlink_status(out, error).type() != fs::file_type::not_found;
  if (there && !force) {
    throw ContentError(out.string() +
                       " is already there; it is left as it is (--force replaces it when it is "
                       "empty or holds only the program's content)");
  }
  if (!fs::is_directory(out.parent_path(), error)) {
    throw ContentError("the folder " + out.parent_path().string() + " is not there");
  }
  if (!there) return;
  checkReplaceable(out);
  if (liesWithin(audio, out)) {
    throw ContentError(audio.string() + " lies inside " + out.string() +
                       ", which would be replaced; choose another OUT");
  }
}

void checkReplaceable(const fs::path& out) {
  const std::string why = whyNotContent(out);
  if (!why.empty()) {
    throw ContentError(out.string() + " is not replaced: " + why +
                       ". --force replaces only an empty folder or one holding just \"data\" and "
                       "\"2 blank.gif\"; it is left as it is");
  }
}

}  // namespace hifz::content
