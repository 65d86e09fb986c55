#pragma once

#include <filesystem>

namespace hifz {

class MsgFormHolder;
class UserSettings;

/// On the sample content, tells the learner once, in the program's own
/// dialog, that its sound is only a tone and how to add a reciter; it does not
/// come back on later runs, nor on a reciter's content.
void tellAboutSampleContent(const std::filesystem::path& appFolder, MsgFormHolder& msgForm,
                            UserSettings& settings);

}  // namespace hifz
