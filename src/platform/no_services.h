#pragma once
// Do-nothing services for a program run without one (a test that needs no sound,
// a tool without windows), so that no caller ever checks for a missing service.
#include "platform/platform.h"

namespace kelvaro {

// A media player without a device: every open and play fails, so the sound
// chain falls back to the ding.
MediaPlayer& noMediaPlayer();
Mixer& noMixer();
WindowHost& noWindowHost();

// The bundle with every empty slot filled by its do-nothing service.
Platform withDefaultServices(Platform platform);

} // namespace kelvaro
