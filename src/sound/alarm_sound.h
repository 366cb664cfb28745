#pragma once
// Starting, restarting and naming the alarm's sound. Sound is never started
// directly: a request flag is set, and the next ServiceAlarmSound() plays it,
// falling back from CD to media file to MIDI to the ding.
#include "platform/media_player.h"

#include <string>

namespace kelvaro {

class Application;
struct Control;

struct SoundState {
    bool SoundPlaying = false;
    bool CdRequested = false;
    bool MediaRequested = false; // media file and web stream
    bool MidiRequested = false;
    bool DingRequested = false;
    bool ProgramRequested = false;
    double AlarmStartTime = 0; // system time, not shifted to the city
};
SoundState& soundState(Application& app);

enum class SoundSource { Cd, Media, WebRadio, Midi, Ding, Program, None };
SoundSource checkedSource(Application& app);
const char* sourceMenuItem(SoundSource source); // "CDPlayer1", "MP3Music1", ...

// An alarm is in progress (sounding or snoozing) exactly while "Stop Alarm" is enabled.
bool alarmInProgress(Application& app);
// The player's mode; without a player, not ready.
PlayerMode playerMode(Application& app);

void RequestAlarmSound(Application& app);
// The request flag of the checked source, whatever is playing (late start, volume test).
void RequestCheckedSource(Application& app);
void ShowAlarmControls(Application& app);
void ServiceAlarmSound(Application& app);
void WatchPlayer(Application& app);
void OnPlayerNotify(Application& app, PlayerNotify how);
void ShowCdTrack(Application& app);
void ChooseSoundSource(Application& app, Control& item);

void installSoundService(Application& app);
void installSoundChoice(Application& app);

} // namespace kelvaro
