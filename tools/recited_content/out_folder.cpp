#include "recited_content/out_folder.h"

#include <algorithm>
#include <string>

#include "sample_content/content_error.h"

namespace hifz::content {
namespace {

namespace fs = std::filesystem;

bool liesWithin(const fs::path& inner, const fs::path& outer) {
  const fs::path a = fs::weakly_canonical(inner);
  const fs::path b = fs::weakly_canonical(outer);
  return std::mismatch(b.begin(), b.end(), a.begin(), a.end()).first == b.end();
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
                       " is already there; it is left as it is (--force replaces it)");
  }
  if (!fs::is_directory(out.parent_path(), error)) {
    throw ContentError("the folder " + out.parent_path().string() + " is not there");
  }
  if (there && liesWithin(audio, out)) {
    throw ContentError(audio.string() + " lies inside " + out.string() +
                       ", which would be replaced; choose another OUT");
  }
}

}  // namespace hifz::content
