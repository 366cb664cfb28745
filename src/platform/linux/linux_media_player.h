#pragma once
// The media player on Qt Multimedia's GStreamer backend: files and web streams,
// MIDI files (GStreamer's FluidSynth decoder with a GM soundfont) and audio CD
// tracks (libcdio for the disc, cdda:// for the sound). Lives on the window thread;
// notifications arrive through the event loop, never inside a call.
#include "platform/linux/linux_cd_drive.h"
#include "platform/media_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>

#include <memory>
#include <optional>
#include <string>

namespace kelvaro {

class LinuxMediaPlayer : public QObject, public MediaPlayer {
    Q_OBJECT
  public:
    explicit LinuxMediaPlayer(QObject* parent = nullptr);
    ~LinuxMediaPlayer() override;

    void setDeviceType(DeviceType type) override { type_ = type; }
    DeviceType deviceType() const override { return type_; }
    void setTimeFormatTmsf() override {} // positions are always track numbers here
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
    long long playedMs() override;

    // The Qt player of the current piece, for measurements.
    const QMediaPlayer* qtPlayer() const { return player_.get(); }

  private:
    void newQtPlayer();
    void openMedia();
    void openCd();
    CdDisc disc() const; // throws MediaError without a disc
    void playCdTrack(int track);
    void onStatus(QMediaPlayer::MediaStatus status);
    void onError(QMediaPlayer::Error error, const QString& text);
    void endPlay(PlayerNotify how);

    struct DeleteLater {
        void operator()(QObject* object) const { object->deleteLater(); }
    };
    std::unique_ptr<QMediaPlayer, DeleteLater> player_;
    std::unique_ptr<QAudioOutput, DeleteLater> output_;
    DeviceType type_ = DeviceType::Automatic;
    std::string fileName_;
    PlayerMode mode_ = PlayerMode::NotReady;
    bool opened_ = false;
    bool notify_ = false;
    bool playPending_ = false;          // a play whose end has not been reported yet
    std::optional<std::string> broken_; // why the open source failed after open
    std::string decodedFile_;           // the file last seen to decode, as "path|size|mtime"

    int start_ = 0, end_ = 0; // CD tracks; 0: the first track / the end of the disc
    std::optional<CdDisc> disc_;
    std::string cdDevice_;
    int cdTrack_ = 0, cdStopTrack_ = 0; // playing cdTrack_, stopping before cdStopTrack_
};

} // namespace kelvaro
