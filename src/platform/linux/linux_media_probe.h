#pragma once
// Direct GStreamer checks the Qt player cannot give at once: whether a source can
// be decoded at all, and the choice of the CD source element.
#include <optional>
#include <string>

namespace kelvaro {

// Decodes the start of `uri` in a private pipeline without sound. The reason when
// it cannot be played (no such file, unknown format, refused connection, missing
// decoder); nothing when it prerolled or did not answer within timeoutMs (a slow
// stream is given the benefit of the doubt).
std::optional<std::string> mediaPrerollError(const std::string& uri, int timeoutMs);

// "file:///..." for a local path.
std::string fileUri(const std::string& path);

// The gain of GStreamer's FluidSynth decoder in every pipeline made from now on,
// the Qt player's included. FluidSynth's own 0.2 leaves a MIDI file some 15 dB
// below a song at the same volume.
void setMidiSynthGain(double gain);

// Lets cdiocddasrc serve cdda:// URIs: the higher-ranked cdparanoiasrc cannot
// read disc images and gains nothing on real drives. Safe to call repeatedly.
bool preferCdioCdSource(); // false when the element is not installed

} // namespace kelvaro
