#pragma once
// A media player without sound: it keeps the modes a real device would report,
// holds a configurable CD, refuses chosen names, and ends a piece only when told.
#include "platform/media_player.h"

#include <set>
#include <string>
#include <vector>

namespace kelvaro {

class FakeMediaPlayer : public MediaPlayer {
  public:
    void setDeviceType(DeviceType type) override { type_ = type; }
    DeviceType deviceType() const override { return type_; }
    void setTimeFormatTmsf() override {}
    void setFileName(const std::string& name) override { fileName_ = name; }
    std::string fileName() const override { return fileName_; }

    void open() override;
    void play(bool notify) override;
    void pause() override;
    void stop() override;
    void close() override;
    void setNotify(bool notify) override { notify_ = notify; }

    void setStartPosition(int track) override { start_ = track; }
    void setEndPosition(int track) override { end_ = track; }
    int startPosition() const override { return start_; }
    int endPosition() const override { return end_; }
    int trackCount() override;
    int trackPosition(int track) override;
    int currentTrack() override;
    bool mediaPresent() override;

    PlayerMode mode() const override { return mode_; }
    // Moves on by a second at each look while the piece plays and is not stalled.
    long long playedMs() override;

    // The world around the device.
    void setDisc(int tracks) { discTracks_ = tracks; } // 0: no disc in the drive
    int discTracks() const { return discTracks_; }
    void breakName(const std::string& name) { broken_.insert(name); } // opening it fails from now on
    // The playing piece ends by itself: for a CD, the next track starts until the
    // end position; then the mode is stopped and, with notify on, Successful is reported.
    void finish();
    // A device error while playing: stopped, and Failure with notify on.
    void fail();
    // The piece goes on "playing" but makes no more progress, as a stream whose
    // server stopped sending; until the next open.
    void stall() { stalled_ = true; }

    // What the program asked for; opens counts successful opens only.
    int opens() const { return opens_; }
    const std::vector<std::string>& played() const { return played_; } // file name, or "cd:N" per track

  private:
    void startTrack(int track);
    void endPlay(PlayerNotify how);

    DeviceType type_ = DeviceType::Automatic;
    std::string fileName_;
    PlayerMode mode_ = PlayerMode::NotReady;
    bool opened_ = false, notify_ = false, playPending_ = false, stalled_ = false;
    long long playedMs_ = 0;
    int start_ = 0, end_ = 0;
    int discTracks_ = 0;
    int track_ = 0, stopTrack_ = 0;
    std::set<std::string> broken_;
    int opens_ = 0;
    std::vector<std::string> played_;
};

} // namespace kelvaro
