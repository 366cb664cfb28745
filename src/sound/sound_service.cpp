// Playing what the alarm asked for: each source in turn, falling back from CD to
// media file to MIDI to the ding when one cannot play, and starting the next
// piece when one ends.
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/translatable.h"
#include "sound/alarm_sound.h"
#include "sound/music_lists.h"
#include "sound/sound_paths.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace kelvaro {

namespace {

// Without a device every open fails, so the chain ends at the ding.
MediaPlayer& requirePlayer(Application& app) {
    return *app.platform().player;
}

// A MIDI file that is not there falls back before the device is asked: the
// device's first open can take seconds, and the ding must sound in this tick.
void requireFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw MediaError(path + ": no such file");
}

const char* sourceName(SoundSource source) {
    switch (source) {
    case SoundSource::Cd:
        return KV_TR("the CD");
    case SoundSource::Media:
        return KV_TR("the music file");
    case SoundSource::WebRadio:
        return KV_TR("the web stream");
    case SoundSource::Midi:
        return KV_TR("the MIDI file");
    case SoundSource::Ding:
        return KV_TR("the system ding");
    default:
        return KV_TR("the chosen sound");
    }
}

// The next source down the chain: CD, media file (or web stream), MIDI, ding.
SoundSource nextInChain(SoundSource source) {
    switch (source) {
    case SoundSource::Cd:
        return SoundSource::Media;
    case SoundSource::Media:
    case SoundSource::WebRadio:
        return SoundSource::Midi;
    default:
        return SoundSource::Ding;
    }
}

bool& requestOf(SoundState& s, SoundSource source) {
    switch (source) {
    case SoundSource::Cd:
        return s.CdRequested;
    case SoundSource::Media:
    case SoundSource::WebRadio:
        return s.MediaRequested;
    case SoundSource::Midi:
        return s.MidiRequested;
    default:
        return s.DingRequested;
    }
}

// The next source down the chain stands in, for this alarm only: the checked source
// stays the user's, and a note tells what happened once the chain has found something that sounds.
void fallBack(Application& app, SoundSource from) {
    SoundState& s = soundState(app);
    if (s.Failed == SoundSource::None) s.Failed = soundingSource(app);
    s.SoundPlaying = false;
    const SoundSource next = nextInChain(from);
    requestOf(s, from) = false;
    requestOf(s, next) = true;
    s.StandIn = next;
    s.StandInToNote = true;
}

void nowSounding(Application& app) {
    SoundState& s = soundState(app);
    s.SoundPlaying = true;
    // The watch counts from the start: a piece that never moves is as silent as one that stopped.
    s.PieceStartedAt = s.LastProgressAt = app.now();
    s.LastPlayedMs = 0;
    runStep(app, Step::ApplyAlarmVolume);
    ShowAlarmControls(app);
}

// From the start of track n to the start of track n + 1; the last track plays to the end.
void playCdTrack(MediaPlayer& player, int track) {
    player.setStartPosition(player.trackPosition(track));
    if (track < player.trackCount()) player.setEndPosition(player.trackPosition(track + 1));
    player.play(true);
}

int trackOrThrow(const std::string& name) {
    const auto track = cdTrackOf(name);
    if (!track || *track < 1) throw MediaError(name + " names no CD track");
    return *track;
}

// "CDPath" names the drive by its folder ("/dev/sr0/Track07.cda"); the track is
// there when the disc in that drive has it.
bool cdTrackPresent(MediaPlayer& player, const std::string& cdPath) {
    const auto track = cdTrackOf(cdPath);
    return player.mediaPresent() && track && *track >= 1 && *track <= player.trackCount();
}

void serviceCd(Application& app) {
    SoundState& s = soundState(app);
    if (!s.CdRequested || playerMode(app) == PlayerMode::Paused) return;
    const std::string& cdPath = app.main.CDPath;
    try {
        MediaPlayer& player = requirePlayer(app);
        player.setDeviceType(DeviceType::CdAudio);
        player.setTimeFormatTmsf();
        player.setFileName(folderPart(cdPath));
        if (!cdTrackPresent(player, cdPath)) throw MediaError("no such track on the disc");
        const Control& list = notebook(app).MgridCD;
        if (notebook(app).RadioButtonCDSingle.checked) {
            runStep(app, Step::SaveLineVolumes);
            player.open();
            playCdTrack(player, trackOrThrow(cdPath));
        } else if (!notebook(app).RadioButtonCDWhole.checked && !musicListEmpty(list)) {
            const int row = NextListRow(app, list);
            runStep(app, Step::SaveLineVolumes);
            player.open();
            playCdTrack(player, trackOrThrow(list.cells.at(static_cast<size_t>(row)).at(0)));
        } else {
            runStep(app, Step::SaveLineVolumes);
            player.open();
            player.play(true);
        }
        nowSounding(app);
    } catch (const std::exception&) {
        fallBack(app, SoundSource::Cd);
    }
}

std::string mediaFileToPlay(Application& app) {
    if (soundingSource(app) == SoundSource::WebRadio) return app.main.WebRadioPath;
    const Control& list = notebook(app).MgridWave;
    if (notebook(app).RadioButtonWSingle.checked || musicListEmpty(list)) return app.main.MP3Path;
    const auto& row = list.cells.at(static_cast<size_t>(NextListRow(app, list)));
    return row.at(1) + row.at(0);
}

void serviceMedia(Application& app) {
    SoundState& s = soundState(app);
    if (!s.MediaRequested) return;
    try {
        MediaPlayer& player = requirePlayer(app);
        player.setDeviceType(DeviceType::Automatic);
        const std::string file = mediaFileToPlay(app);
        runStep(app, Step::SaveLineVolumes);
        mainWindow(app).LabelCDTrack.caption =
            std::to_string(listPlayState(app).ListRow) + " - " + titleOf(file);
        player.setFileName(file);
        player.open();
        player.play(true);
        nowSounding(app);
    } catch (const std::exception&) {
        fallBack(app, SoundSource::Media);
    }
}

void serviceMidi(Application& app) {
    SoundState& s = soundState(app);
    if (!s.MidiRequested || playerMode(app) == PlayerMode::Paused) return;
    try {
        requireFile(app.main.MIDIPath);
        MediaPlayer& player = requirePlayer(app);
        player.setDeviceType(DeviceType::Automatic);
        player.setFileName(app.main.MIDIPath);
        runStep(app, Step::SaveLineVolumes);
        mainWindow(app).LabelCDTrack.caption = titleOf(app.main.MIDIPath);
        player.open();
        player.play(true);
        nowSounding(app);
    } catch (const std::exception&) {
        fallBack(app, SoundSource::Midi);
    }
}

// The request stays set: one ding a tick until the alarm stops.
void serviceDing(Application& app) {
    SoundState& s = soundState(app);
    if (!s.DingRequested) return;
    app.platform().speaker->ding();
    if (s.SoundPlaying) return;
    s.SoundPlaying = true;
    runStep(app, Step::SaveLineVolumes);
    runStep(app, Step::ApplyAlarmVolume);
}

// Started once; the alarm then ends. A program that cannot start must not leave
// the alarm silent, so the ding takes over.
void serviceProgram(Application& app) {
    SoundState& s = soundState(app);
    if (!s.ProgramRequested) return;
    s.ProgramRequested = false;
    Shell* shell = app.platform().shell;
    const auto args = splitProgramParams(mainWindow(app).EditProgramParams.text);
    if (shell->startProgram(app.main.ProgramPath, args)) {
        runStep(app, Step::StopAlarmSound);
        return;
    }
    s.DingRequested = true;
    serviceDing(app);
}

} // namespace

void ServiceAlarmSound(Application& app) {
    SoundState& s = soundState(app);
    if (!s.SoundPlaying && playerMode(app) != PlayerMode::Playing) {
        serviceCd(app);
        serviceMedia(app);
        serviceMidi(app);
    }
    serviceDing(app);
    serviceProgram(app);
    if (s.StandInToNote && s.SoundPlaying) {
        s.StandInToNote = false; // cleared first: the note's box lets ticks run under it
        ShowNote(app,
                 fillPattern(KV_TR("The alarm could not play %1, so it sounds %2 this time. Your choice of "
                                   "sound stays as it is."),
                             {sourceName(s.Failed), sourceName(s.StandIn)}),
                 false);
    }
}

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr long long kStallSeconds = 4;   // a piece that moved no further for this long has stalled
constexpr int kRetries = 2;              // tries again before the next source stands in...
constexpr long long kRetrySeconds = 5;   // ...as long as the first break is this recent
constexpr long long kSteadySeconds = 30; // sound this long after a new try forgives the breaks

// Whole seconds: the date-time's fraction of a day does not add up to them exactly.
long long secondsBetween(double from, double to) {
    return std::llround((to - from) * kSecondsPerDay);
}

bool usesPlayer(SoundSource source) {
    return source == SoundSource::Cd || source == SoundSource::Media || source == SoundSource::WebRadio ||
           source == SoundSource::Midi;
}

// A piece that stopped sounding while the alarm wants sound (a dropped or stalled
// stream, a device error): tried again briefly, then the next source stands in,
// so a "sounding" alarm is never silent for more than a few seconds.
void pieceBroke(Application& app) {
    SoundState& s = soundState(app);
    const SoundSource source = soundingSource(app);
    runStep(app, Step::RestoreLineVolumes);
    s.SoundPlaying = false;
    MediaPlayer* player = app.platform().player;
    try {
        player->setNotify(false); // its end is this break, not another one
        player->close();
    } catch (const MediaError&) {
    }
    const double now = app.now();
    if (s.Breaks == 0) s.FirstBreakAt = now;
    ++s.Breaks;
    if (s.Breaks <= kRetries && secondsBetween(s.FirstBreakAt, now) < kRetrySeconds) {
        requestOf(s, source) = true;
        return;
    }
    s.Breaks = 0;
    fallBack(app, source);
}

// Called each second while a piece plays for the alarm: its position must move.
void watchProgress(Application& app) {
    SoundState& s = soundState(app);
    MediaPlayer* player = app.platform().player;
    if (!s.SoundPlaying || !alarmInProgress(app) || !usesPlayer(soundingSource(app)) ||
        player->mode() != PlayerMode::Playing) {
        s.LastPlayedMs = -1;
        return;
    }
    const double now = app.now();
    const long long played = player->playedMs();
    if (s.LastPlayedMs < 0 || played != s.LastPlayedMs) {
        if (s.LastPlayedMs >= 0 && secondsBetween(s.PieceStartedAt, now) >= kSteadySeconds) s.Breaks = 0;
        s.LastPlayedMs = played;
        s.LastProgressAt = now;
        return;
    }
    if (secondsBetween(s.LastProgressAt, now) >= kStallSeconds) pieceBroke(app);
}

} // namespace

void WatchPlayer(Application& app) {
    watchProgress(app);
    MediaPlayer* player = app.platform().player;
    SoundState& s = soundState(app);
    const bool cd = soundingSource(app) == SoundSource::Cd;
    // Only a sounding alarm restarts or reports; a preview that ends stays ended.
    const bool sounding = s.SoundPlaying && alarmInProgress(app);
    const PlayerMode mode = player->mode();
    if (mode != PlayerMode::Paused && !(mode == PlayerMode::Stopped && cd)) return;
    if (mode == PlayerMode::Paused) {
        try {
            // A pause made for a message ends within a second, for a CD as well:
            // a paused CD would otherwise never be started again.
            player->setNotify(sounding);
            player->play(sounding);
        } catch (const MediaError&) {
        }
    }
    if (player->mode() != PlayerMode::Playing && cd && sounding) {
        runStep(app, Step::RestoreLineVolumes);
        s.CdRequested = true;
        s.SoundPlaying = false;
    }
}

void OnPlayerNotify(Application& app, PlayerNotify how) {
    SoundState& s = soundState(app);
    if (!s.SoundPlaying) return;
    const SoundSource source = soundingSource(app);
    // A web stream has no end: one that ends has dropped, as has any piece that fails.
    if (how == PlayerNotify::Failure || source == SoundSource::WebRadio) {
        if (alarmInProgress(app)) pieceBroke(app);
        return;
    }
    if (source == SoundSource::Midi) {
        runStep(app, Step::RestoreLineVolumes);
        s.MidiRequested = true;
        s.SoundPlaying = false;
    } else if (source == SoundSource::Media) {
        runStep(app, Step::RestoreLineVolumes);
        s.MediaRequested = true;
        s.SoundPlaying = false;
    }
}

void ShowCdTrack(Application& app) {
    if (soundingSource(app) != SoundSource::Cd) return;
    Control& label = mainWindow(app).LabelCDTrack;
    if (!alarmInProgress(app)) {
        label.caption.clear();
        return;
    }
    MediaPlayer* player = app.platform().player;
    try {
        player->setTimeFormatTmsf();
        if (player->mode() != PlayerMode::Playing) return;
        char text[32];
        std::snprintf(text, sizeof text, "CD Track %.2d", player->currentTrack() & 0xFF);
        label.caption = text;
    } catch (const MediaError&) {
    }
}

namespace {

// The player outlives the program in tests; its notification must not reach a
// program that has ended.
struct PlayerLink {
    MediaPlayer* player = nullptr;
    ~PlayerLink() {
        if (player) player->onNotify = nullptr;
    }
};

std::string yes(bool b) {
    return b ? "1" : "0";
}

} // namespace

void installSoundService(Application& app) {
    MediaPlayer* player = app.platform().player;
    app.feature<PlayerLink>().player = player;
    player->onNotify = [&app](PlayerNotify how) { app.guarded([&] { OnPlayerNotify(app, how); }); };
    defineStep(app, Step::ServiceAlarmSound, [&app] { ServiceAlarmSound(app); });
    defineStep(app, Step::WatchPlayer, [&app] { WatchPlayer(app); });
    defineStep(app, Step::ShowCdTrack, [&app] { ShowCdTrack(app); });
    app.defineOperation("OnPlayerNotify", [&app](const Args& a) {
        const std::string how = a.empty() ? "successful" : a[0];
        OnPlayerNotify(app, how == "failure"      ? PlayerNotify::Failure
                            : how == "aborted"    ? PlayerNotify::Aborted
                            : how == "superseded" ? PlayerNotify::Superseded
                                                  : PlayerNotify::Successful);
        return std::string();
    });
    queries(app).playerIsPlaying = [&app] { return playerMode(app) == PlayerMode::Playing; };
    app.defineOperation("PlayerIsPlaying", // for scripts
                        [&app](const Args&) { return yes(playerIsPlaying(app)); });
    defineStep(app, Step::PausePlayerForNote, [&app] {
        MediaPlayer* player = app.platform().player;
        if (player->mode() != PlayerMode::Playing) return;
        player->setNotify(false);
        player->pause();
    });
    defineStep(app, Step::GivePlayerDefaultFile, [&app] {
        try {
            app.platform().player->setFileName(app.main.MP3Path);
        } catch (const std::exception&) {
        }
    });
}

} // namespace kelvaro
