#pragma once

#include <filesystem>
#include <string>

namespace hifz {

/// The places the program may read its content from.
struct ContentPlaces {
  std::filesystem::path programFolder;     ///< the folder of the running executable
  std::string xdgDataHome;                 ///< $XDG_DATA_HOME; empty when unset
  std::string home;                        ///< $HOME; empty when unset
  std::filesystem::path installedContent;  ///< the sample content installed with the program
};

/// The user's content folder: `hifz` in $XDG_DATA_HOME, by default
/// ~/.local/share/hifz; empty when neither variable is usable.
std::filesystem::path userContentFolder(const ContentPlaces& places);

/// The application folder: the user's content folder when it holds a data
/// folder (content the learner added wins wherever the program starts from);
/// else the program's own folder when it holds one (a build tree, or content
/// put beside the program); else the installed sample content. The data
/// folder's name is matched ignoring letter case, as the program reads it.
std::filesystem::path chooseAppFolder(const ContentPlaces& places);

/// The places for a program in `programFolder`, from the environment, with the
/// sample content where an installation puts it.
ContentPlaces contentPlaces(const std::filesystem::path& programFolder);

}  // namespace hifz
