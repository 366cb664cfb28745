#include "platform/fake/fake_mixer.h"

namespace kelvaro {

// Named as the Windows mixer names them, so discovery finds them by name.
std::vector<std::string> FakeMixer::destinations() {
    if (!present_) throw MixerError("no mixer device");
    return {"Volume Control", "Recording Control"};
}

std::vector<std::string> FakeMixer::connections(int destination) {
    if (!present_) throw MixerError("no mixer device");
    if (destination == 0) return {"Wave", "SW Synth", "CD Audio"};
    return {"Microphone"};
}

FakeMixer::Line& FakeMixer::lineAt(int destination, int line) {
    if (!present_ || destination != 0 || line < 0 || line > 3)
        throw MixerError("no such mixer line " + std::to_string(destination) + "/" + std::to_string(line));
    return lines_[static_cast<std::size_t>(line)];
}

int FakeMixer::volume(int destination, int line) {
    return lineAt(destination, line).value;
}

bool FakeMixer::muted(int destination, int line) {
    return lineAt(destination, line).muted;
}

void FakeMixer::setVolume(int destination, int line, int left, int, bool mute) {
    Line& l = lineAt(destination, line);
    l.value = left < 0 ? 0 : left > 65535 ? 65535 : left;
    l.muted = mute;
    ++writes_;
    raiseChange(); // the program's own writes are changes too
}

void FakeMixer::raiseChange() {
    if (deliverChange)
        deliverChange();
    else if (onChange)
        onChange();
}

void FakeMixer::userSet(FakeMixerLine line, int value, bool muted) {
    lines_[index(line)] = {value, muted};
}

} // namespace kelvaro
