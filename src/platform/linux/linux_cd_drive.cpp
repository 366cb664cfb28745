#include "platform/linux/linux_cd_drive.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/memory.h>

#include <memory>

namespace kelvaro {

namespace {

// libcdio warns on stderr about every drive it probes and about harmless image
// quirks; only its errors are worth seeing.
void silenceLibcdio() {
    cdio_loglevel_default = CDIO_LOG_ERROR;
}

struct CdioCloser {
    void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};

} // namespace

double CdDisc::secondsBetween(int track, int endTrack) const {
    if (!hasTrack(track)) return 0;
    const long from = trackStartSectors[static_cast<size_t>(track - firstTrack)];
    const long to = hasTrack(endTrack) && endTrack > track
                        ? trackStartSectors[static_cast<size_t>(endTrack - firstTrack)]
                        : leadOutSector;
    return static_cast<double>(to - from) / CDIO_CD_FRAMES_PER_SEC;
}

std::optional<CdDisc> readCdDisc(const std::string& device) {
    silenceLibcdio();
    std::unique_ptr<CdIo_t, CdioCloser> cdio(
        cdio_open(device.empty() ? nullptr : device.c_str(), DRIVER_UNKNOWN));
    if (!cdio) return std::nullopt;
    const track_t first = cdio_get_first_track_num(cdio.get());
    const track_t count = cdio_get_num_tracks(cdio.get());
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) return std::nullopt;
    CdDisc disc;
    disc.firstTrack = first;
    disc.lastTrack = first + count - 1;
    for (int track = disc.firstTrack; track <= disc.lastTrack; ++track) {
        const lsn_t start = cdio_get_track_lsn(cdio.get(), static_cast<track_t>(track));
        if (start == CDIO_INVALID_LSN) return std::nullopt;
        disc.trackStartSectors.push_back(start);
    }
    const lsn_t leadOut = cdio_get_track_lsn(cdio.get(), CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LSN) return std::nullopt;
    disc.leadOutSector = leadOut;
    return disc;
}

std::string defaultCdDevice() {
    silenceLibcdio();
    char* device = cdio_get_default_device(nullptr);
    if (!device) return {};
    std::string name = device;
    cdio_free(device);
    return name;
}

} // namespace kelvaro
