#include "platform/fake/fake_media_player.h"

#include <algorithm>

namespace kelvaro {

void FakeMediaPlayer::open() {
    opened_ = false;
    playPending_ = false;
    stalled_ = false;
    playedMs_ = 0;
    start_ = end_ = 0;
    mode_ = PlayerMode::NotReady;
    if (broken_.count(fileName_)) throw MediaError(fileName_ + ": cannot be played");
    if (type_ == DeviceType::CdAudio) {
        if (discTracks_ <= 0) throw MediaError("no disc in the drive");
    } else if (fileName_.empty()) {
        throw MediaError("no file name");
    }
    opened_ = true;
    mode_ = PlayerMode::Stopped;
    ++opens_;
}

void FakeMediaPlayer::play(bool notify) {
    if (!opened_) throw MediaError("the device is not open");
    notify_ = notify;
    if (mode_ == PlayerMode::Paused) {
        mode_ = PlayerMode::Playing;
        return;
    }
    if (type_ == DeviceType::CdAudio) {
        if (discTracks_ <= 0) throw MediaError("no disc in the drive");
        const int first = start_ ? (start_ & 0xFF) : 1;
        if (first > discTracks_) throw MediaError("the disc has no track " + std::to_string(first));
        stopTrack_ = std::clamp(end_ ? (end_ & 0xFF) : discTracks_ + 1, first + 1, discTracks_ + 1);
        startTrack(first);
    } else {
        played_.push_back(fileName_);
    }
    playPending_ = true;
    mode_ = PlayerMode::Playing;
}

void FakeMediaPlayer::startTrack(int track) {
    track_ = track;
    played_.push_back("cd:" + std::to_string(track));
}

void FakeMediaPlayer::pause() {
    if (mode_ == PlayerMode::Playing) mode_ = PlayerMode::Paused;
}

void FakeMediaPlayer::stop() {
    if (!opened_) return;
    if (playPending_) endPlay(PlayerNotify::Aborted);
    mode_ = PlayerMode::Stopped;
}

void FakeMediaPlayer::close() {
    stop();
    opened_ = false;
    mode_ = PlayerMode::NotReady;
}

void FakeMediaPlayer::finish() {
    if (!playPending_ || mode_ != PlayerMode::Playing) return;
    if (type_ == DeviceType::CdAudio && track_ + 1 < stopTrack_) {
        startTrack(track_ + 1);
        return;
    }
    endPlay(PlayerNotify::Successful);
}

long long FakeMediaPlayer::playedMs() {
    if (mode_ == PlayerMode::Playing && !stalled_) playedMs_ += 1000;
    return playedMs_;
}

void FakeMediaPlayer::fail() {
    if (playPending_) endPlay(PlayerNotify::Failure);
}

void FakeMediaPlayer::endPlay(PlayerNotify how) {
    playPending_ = false;
    mode_ = PlayerMode::Stopped;
    if (notify_ && onNotify) onNotify(how);
}

int FakeMediaPlayer::trackCount() {
    if (type_ != DeviceType::CdAudio) {
        if (!opened_) throw MediaError("the device is not open");
        return 1;
    }
    if (discTracks_ <= 0) throw MediaError("no disc in the drive");
    return discTracks_;
}

int FakeMediaPlayer::trackPosition(int track) {
    if (type_ != DeviceType::CdAudio || track < 1 || track > discTracks_)
        throw MediaError("no track " + std::to_string(track));
    return track;
}

int FakeMediaPlayer::currentTrack() {
    if (type_ != DeviceType::CdAudio) return 1;
    if (mode_ == PlayerMode::Playing || mode_ == PlayerMode::Paused) return track_;
    return start_ ? (start_ & 0xFF) : 1;
}

bool FakeMediaPlayer::mediaPresent() {
    if (type_ == DeviceType::CdAudio) return discTracks_ > 0;
    return opened_;
}

} // namespace kelvaro
