#pragma once

namespace kelvaro {

// Picks Qt Multimedia's GStreamer backend unless the user chose one. Must run
// before the first multimedia object exists: the FFmpeg backend crashes when no
// audio device is present, and only GStreamer plays MIDI and CD sources.
void preferGStreamerBackend();

} // namespace kelvaro
