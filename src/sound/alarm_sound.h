#pragma once
// Starting, restarting and naming the alarm's sound. Sound is never started
// directly: a request flag is set, and the next ServiceAlarmSound() plays it,
// falling back from CD to media file to MIDI to the ding.
#include "platform/media_player.h"

#include <string>

namespace kelvaro {

class Application;
struct Control;

enum class SoundSource { Cd, Media, WebRadio, Midi, Ding, Program, None };

struct SoundState {
    bool SoundPlaying = false;
    bool CdRequested = false;
    bool MediaRequested = false; // media file and web stream
    bool MidiRequested = false;
    bool DingRequested = false;
    bool ProgramRequested = false;
    double AlarmStartTime = 0; // system time, not shifted to the city

    // The source sounding in place of the checked one for this alarm only: the
    // user's choice stays checked, one failed morning must not lose it.
    SoundSource StandIn = SoundSource::None;
    SoundSource Failed = SoundSource::None; // the first source of this start that could not sound
    bool StandInToNote = false;             // the note saying so is still to be shown
    // The watch over a piece that should be sounding: a stalled or dropped one is
    // tried again a few times, then the next source of the chain stands in.
    long long LastPlayedMs = -1;
    double LastProgressAt = 0;
    double PieceStartedAt = 0;
    double FirstBreakAt = 0;
    int Breaks = 0;
};
SoundState& soundState(Application& app);

SoundSource checkedSource(Application& app);
// The source this alarm plays: the checked one, or the one standing in for it.
SoundSource soundingSource(Application& app);
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
