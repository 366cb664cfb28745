#include "platform/linux/linux_media_player.h"

#include "platform/linux/linux_media_probe.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace kelvaro {

namespace {

// "http://host/x.mp3" is a URL; "/music/x.mp3" and "C:x.mp3" are files.
bool looksLikeUrl(const std::string& name) {
    const auto colon = name.find("://");
    if (colon == std::string::npos || colon < 2) return false;
    return std::all_of(name.begin(), name.begin() + static_cast<long>(colon),
                       [](unsigned char c) { return std::isalnum(c) || c == '+' || c == '-' || c == '.'; });
}

// FluidSynth's own gain (0.2) leaves a MIDI alarm some 15 dB under a song; at
// 0.8 the bundled tune peaks near -1 dBFS, as loud as the bundled fanfare.
constexpr double kMidiSynthGain = 0.8;

// How long open() lets a source decode before it leaves the rest to the player.
// A file decodes at once unless it is broken. A stream that refuses answers in
// milliseconds; a slow or stalled one would hold the window, and the alarm's
// silence, for the whole wait, so it is given the benefit of the doubt early and
// the player's watch catches it if it never sounds.
constexpr int kFileOpenWaitMs = 2500;
constexpr int kStreamOpenWaitMs = 600;

// Path, size and change time: a file edited or replaced in place reads differently.
std::string fileStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return path + "|" + std::to_string(st.st_size) + "|" + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec);
}

int trackOf(int tmsf) {
    return tmsf & 0xFF;
}

} // namespace

// The Qt player (and GStreamer behind it) is made by the first open: starting
// the media back end costs a few hundred milliseconds the window should not wait for.
LinuxMediaPlayer::LinuxMediaPlayer(QObject* parent) : QObject(parent) {}

LinuxMediaPlayer::~LinuxMediaPlayer() {
    if (!player_) return;
    // The Qt player still talks while it goes; nobody should be listening by then.
    QObject::disconnect(player_.get(), nullptr, this, nullptr);
    player_->stop();
    delete player_.release();
    delete output_.release();
}

// A fresh Qt player per piece: Qt 6.4 ignores the same source given again, and a
// stopped player carries its old pipeline state into the next piece. The old one
// may be the sender of the signal being handled, so it goes later.
void LinuxMediaPlayer::newQtPlayer() {
    if (player_) {
        QObject::disconnect(player_.get(), nullptr, this, nullptr);
        player_->stop();
    }
    const QAudioDevice device = output_ ? output_->device() : QMediaDevices::defaultAudioOutput();
    player_.reset(new QMediaPlayer);
    output_.reset(new QAudioOutput(device));
    player_->setAudioOutput(output_.get());
    connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this, &LinuxMediaPlayer::onStatus);
    connect(player_.get(), &QMediaPlayer::errorOccurred, this, &LinuxMediaPlayer::onError);
}

void LinuxMediaPlayer::open() {
    // Opening again drops whatever was open, without a notification.
    opened_ = false;
    playPending_ = false;
    broken_.reset();
    disc_.reset();
    start_ = end_ = 0;
    mode_ = PlayerMode::NotReady;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) throw MediaError("no sound output (is a sound server running?)");
    setMidiSynthGain(kMidiSynthGain);
    newQtPlayer();
    // The default output may have changed since the last open (server restarted, headset).
    output_->setDevice(output);
    if (type_ == DeviceType::CdAudio)
        openCd();
    else
        openMedia();
    opened_ = true;
    mode_ = PlayerMode::Stopped;
}

void LinuxMediaPlayer::openMedia() {
    if (fileName_.empty()) throw MediaError("no file name");
    QUrl url;
    std::string uri;
    const bool stream = looksLikeUrl(fileName_);
    if (stream) {
        url = QUrl(QString::fromStdString(fileName_));
        if (!url.isValid()) throw MediaError(fileName_ + ": not a valid address");
        uri = fileName_;
    } else {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(fileName_, ec)) throw MediaError(fileName_ + ": no such file");
        url = QUrl::fromLocalFile(QString::fromStdString(fileName_));
        uri = fileUri(fileName_);
    }
    // The Qt player finds out about a bad source only later; the caller wants to
    // know now, to fall back to the next source in the same step. A file that
    // decoded before and has not changed is not decoded twice: a MIDI tune that
    // starts again would wait for its soundfont to load once more.
    const std::string stamp = stream ? std::string() : fileStamp(fileName_);
    if (stamp.empty() || stamp != decodedFile_) {
        if (auto why = mediaPrerollError(uri, stream ? kStreamOpenWaitMs : kFileOpenWaitMs))
            throw MediaError(fileName_ + ": " + *why);
        decodedFile_ = stamp;
    }
    player_->setSource(url);
}

void LinuxMediaPlayer::openCd() {
    if (!preferCdioCdSource()) throw MediaError("no CD audio source (gstreamer1.0-plugins-ugly)");
    cdDevice_ = fileName_.empty() ? defaultCdDevice() : fileName_;
    if (cdDevice_.empty()) throw MediaError("no CD drive");
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(cdDevice_, ec);
    if (!ec) cdDevice_ = absolute.lexically_normal().string();
    disc_ = readCdDisc(cdDevice_);
    if (!disc_) throw MediaError(cdDevice_ + ": no audio disc");
    player_->setSource(QUrl());
}

CdDisc LinuxMediaPlayer::disc() const {
    if (type_ != DeviceType::CdAudio) throw MediaError("not a CD device");
    if (disc_) return *disc_;
    // Asked before an open: look at the drive now.
    auto now = readCdDisc(fileName_.empty() ? defaultCdDevice() : fileName_);
    if (!now) throw MediaError("no disc in the drive");
    return *now;
}

void LinuxMediaPlayer::play(bool notify) {
    if (!opened_) throw MediaError("the device is not open");
    if (broken_) throw MediaError(*broken_);
    notify_ = notify;
    if (mode_ == PlayerMode::Paused) {
        player_->play(); // resumes where the pause left it
    } else if (type_ == DeviceType::CdAudio) {
        const int first = start_ ? trackOf(start_) : disc_->firstTrack;
        if (!disc_->hasTrack(first)) throw MediaError("the disc has no track " + std::to_string(first));
        const int stopAt = end_ ? trackOf(end_) : disc_->lastTrack + 1;
        cdStopTrack_ = std::clamp(stopAt, first + 1, disc_->lastTrack + 1);
        playCdTrack(first);
    } else {
        player_->play();
    }
    playPending_ = true;
    mode_ = PlayerMode::Playing;
}

// One track at a time: cdiocddasrc plays a track from its start to the next one's.
void LinuxMediaPlayer::playCdTrack(int track) {
    cdTrack_ = track;
    // GStreamer's form is cdda://DEVICE#TRACK, with an empty authority before the path.
    const QByteArray device = QUrl::toPercentEncoding(QString::fromStdString(cdDevice_), "/");
    newQtPlayer();
    player_->setSource(QUrl::fromEncoded("cdda://" + device + "#" + QByteArray::number(track)));
    player_->play();
}

void LinuxMediaPlayer::pause() {
    if (mode_ != PlayerMode::Playing) return;
    player_->pause();
    mode_ = PlayerMode::Paused;
}

void LinuxMediaPlayer::stop() {
    if (!opened_) return;
    player_->stop();
    if (playPending_) endPlay(PlayerNotify::Aborted);
    mode_ = PlayerMode::Stopped;
}

// The Qt player goes as a whole rather than being stopped here: stopping a stalled
// stream holds the window for a second, and the next source should not wait for it.
void LinuxMediaPlayer::close() {
    if (opened_ && playPending_) endPlay(PlayerNotify::Aborted);
    if (player_) QObject::disconnect(player_.get(), nullptr, this, nullptr);
    player_.reset();
    opened_ = false;
    disc_.reset();
    broken_.reset();
    mode_ = PlayerMode::NotReady;
}

int LinuxMediaPlayer::trackCount() {
    if (type_ != DeviceType::CdAudio) {
        if (!opened_) throw MediaError("the device is not open");
        return 1;
    }
    return disc().trackCount();
}

// A track's start in TMSF is the track number in the low byte and 0:00:00 above it.
int LinuxMediaPlayer::trackPosition(int track) {
    if (!disc().hasTrack(track)) throw MediaError("the disc has no track " + std::to_string(track));
    return track;
}

int LinuxMediaPlayer::currentTrack() {
    if (type_ != DeviceType::CdAudio) return 1;
    if (mode_ == PlayerMode::Playing || mode_ == PlayerMode::Paused) return cdTrack_;
    if (start_) return trackOf(start_);
    return disc_ ? disc_->firstTrack : 1;
}

bool LinuxMediaPlayer::mediaPresent() {
    if (type_ != DeviceType::CdAudio) return opened_ && !broken_;
    // Looked up every time: the disc may have gone since the open.
    return readCdDisc(opened_ ? cdDevice_ : (fileName_.empty() ? defaultCdDevice() : fileName_)).has_value();
}

// The Qt player's position follows the samples handed to the sound server: it
// stands still while a stream waits for data.
long long LinuxMediaPlayer::playedMs() {
    return player_ && opened_ ? player_->position() : 0;
}

void LinuxMediaPlayer::onStatus(QMediaPlayer::MediaStatus status) {
    if (status == QMediaPlayer::InvalidMedia) {
        onError(QMediaPlayer::FormatError, QStringLiteral("the source cannot be played"));
        return;
    }
    if (status != QMediaPlayer::EndOfMedia || !playPending_) return;
    if (type_ == DeviceType::CdAudio && cdTrack_ + 1 < cdStopTrack_) {
        playCdTrack(cdTrack_ + 1);
        return;
    }
    endPlay(PlayerNotify::Successful);
}

void LinuxMediaPlayer::onError(QMediaPlayer::Error, const QString& text) {
    if (!opened_ || broken_) return;
    broken_ = fileName_ + ": " + text.toStdString();
    player_->stop();
    if (playPending_) endPlay(PlayerNotify::Failure);
    mode_ = PlayerMode::Stopped;
}

void LinuxMediaPlayer::endPlay(PlayerNotify how) {
    playPending_ = false;
    mode_ = PlayerMode::Stopped;
    if (!notify_) return;
    // Reported from the event loop, as a device's message would be, not inside the caller.
    QMetaObject::invokeMethod(
        this,
        [this, how] {
            if (onNotify) onNotify(how);
        },
        Qt::QueuedConnection);
}

} // namespace kelvaro
