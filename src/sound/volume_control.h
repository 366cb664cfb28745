#pragma once
// The mixer while the alarm sounds: the user's levels are remembered, master and
// the source's line are raised to the alarm levels, and put back afterwards.
// Levels are slider units 0..32767; the mixer takes twice that.
namespace kelvaro {

class Application;

struct VolumeState {
    // Addresses before discovery; a line discovery does not find keeps its number.
    int PlaybackDestination = 5;
    int MasterLine = 6;
    int WaveLine = 7;
    int SynthLine = 8;
    int CdLine = 9;
    int CurrentLine = 10; // the line the slider controls
    int SavedMasterLevel = 32767;
    int SavedWaveLevel = 32767;
    int SavedSynthLevel = 32767;
    int SavedCdLevel = 32767;
    // The user's mute states, put back with the levels: an alarm un-mutes, its end does not.
    bool SavedMasterMuted = false, SavedWaveMuted = false, SavedSynthMuted = false, SavedCdMuted = false;
    bool mixerFound = false;   // discovery found a device
    bool levelsRaised = false; // the alarm levels are in the mixer; a restore puts the user's back
    // The levels just before a message raised them for its beep.
    int noteMasterLevel = -1, noteWaveLevel = -1;
    bool noteMasterMuted = false, noteWaveMuted = false;
    // The gentle start's climb: when it began (system time) and the level it climbs to.
    double climbStart = 0;
    int climbTarget = 0;
};
VolumeState& volumeState(Application& app);

void DiscoverMixerLines(Application& app);
void SaveLineVolumes(Application& app);
void ApplyAlarmVolume(Application& app);
// One step of the gentle start's climb to the alarm level (the timer TimerGentleStart).
void GentleStartStep(Application& app);
void RestoreLineVolumes(Application& app);
void OnVolumeSlider(Application& app);
void OnMixerChange(Application& app);
void TestVolume(Application& app);

} // namespace kelvaro
