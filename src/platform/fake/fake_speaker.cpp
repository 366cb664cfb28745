#include "platform/fake/fake_speaker.h"

namespace kelvaro {

void FakeSpeaker::tone(int frequencyHz, int milliseconds) {
    sounds_.push_back(std::to_string(frequencyHz) + "/" + std::to_string(milliseconds));
}

void FakeSpeaker::ding() {
    sounds_.emplace_back("ding");
}

} // namespace kelvaro
