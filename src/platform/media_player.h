#pragma once
// The one media player of the main window: files, web streams, MIDI files and
// audio CD tracks. Calls return at once; the end of play is reported later
// through the notification, on the window thread.
#include <functional>
#include <stdexcept>
#include <string>

namespace kelvaro {

enum class DeviceType { Automatic, CdAudio };
enum class PlayerMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };
enum class PlayerNotify { Successful, Superseded, Aborted, Failure };

const char* playerModeName(PlayerMode mode); // "not ready", "stopped", "playing", ...

// An operation the device refused (no such file, no disc, no sound server...).
struct MediaError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class MediaPlayer {
  public:
    virtual ~MediaPlayer() = default;

    virtual void setDeviceType(DeviceType type) = 0;
    virtual DeviceType deviceType() const = 0;
    virtual void setTimeFormatTmsf() = 0; // positions count in tracks (CD)
    // A file, a URL, or for a CD the drive (on Linux its device path, "/dev/sr0").
    virtual void setFileName(const std::string& name) = 0;
    virtual std::string fileName() const = 0;

    virtual void open() = 0;            // throws MediaError
    virtual void play(bool notify) = 0; // starts and returns; throws MediaError
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual void setNotify(bool notify) = 0; // whether the end of the current play is reported

    // CD, in tracks: play from the start of track `start` to the start of track `end`
    // (an end past the last track means the end of the disc).
    virtual void setStartPosition(int track) = 0;
    virtual void setEndPosition(int track) = 0;
    virtual int startPosition() const = 0;
    virtual int endPosition() const = 0;
    virtual int trackCount() = 0;             // throws MediaError without a disc
    virtual int trackPosition(int track) = 0; // TMSF value of the track's start
    virtual int currentTrack() = 0;           // the track now playing (low byte of the TMSF position)
    virtual bool mediaPresent() = 0;          // a disc in the drive

    virtual PlayerMode mode() const = 0;
    // How far the current piece has played: a piece whose count stands still while
    // it is playing makes no sound (a stalled stream).
    virtual long long playedMs() = 0;

    // The notification: how the last play with notify ended.
    std::function<void(PlayerNotify)> onNotify;
};

} // namespace kelvaro
