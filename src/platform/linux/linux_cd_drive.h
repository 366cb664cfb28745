#pragma once
// What libcdio says about a CD drive (or a BIN/CUE image standing in for one):
// whether a disc is there, its tracks and where they start.
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

struct CdDisc {
    int firstTrack = 1;
    int lastTrack = 0;
    std::vector<long> trackStartSectors; // one per track from firstTrack, 75 sectors a second
    long leadOutSector = 0;

    int trackCount() const { return lastTrack - firstTrack + 1; }
    bool hasTrack(int track) const { return track >= firstTrack && track <= lastTrack; }
    // Seconds from the start of `track` to the start of `endTrack` (or the end of the disc).
    double secondsBetween(int track, int endTrack) const;
};

// The disc in `device` ("/dev/sr0", an image's .cue file, or "" for the default
// drive); nothing when there is no drive, no disc or no readable table of contents.
std::optional<CdDisc> readCdDisc(const std::string& device);

// The drive libcdio would choose by itself; empty when the machine has none.
std::string defaultCdDevice();

} // namespace kelvaro
