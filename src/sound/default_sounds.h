#pragma once
// The two sounds a fresh program folder needs: the media default "TaDa.mp3" and
// the MIDI default "Mission2.mid". They ship beside the executable (or in the
// source tree while developing) and are copied into the program folder once.
#include <string>
#include <vector>

namespace kelvaro {

const std::vector<std::string>& defaultSoundNames(); // "TaDa.mp3", "Mission2.mid"

// The folder holding the shipped sounds, with a trailing '/': "<exe>/sounds/",
// then "<exe>/../share/kelvaro/sounds/", then the source tree's data/sounds/.
// Empty when none of them holds both files.
std::string findDefaultSoundsDir(const std::string& executableDir);

// Copies each default sound from sourceDir into programDir when programDir has no
// file of that name. A user's own file of the same name is never replaced. Returns
// the names copied; a sound that cannot be copied is skipped (the alarm falls back).
std::vector<std::string> installDefaultSounds(const std::string& programDir, const std::string& sourceDir);

} // namespace kelvaro
