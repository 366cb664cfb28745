#pragma once
// Records the sounds instead of playing them.
#include "platform/speaker.h"

#include <string>
#include <vector>

namespace kelvaro {

class FakeSpeaker : public Speaker {
  public:
    void tone(int frequencyHz, int milliseconds) override;
    void ding() override;

    int count() const { return static_cast<int>(sounds_.size()); }
    // "523/100" for tone(523, 100), "ding" for ding(); empty before the first sound.
    std::string last() const { return sounds_.empty() ? std::string() : sounds_.back(); }
    const std::vector<std::string>& sounds() const { return sounds_; }
    void clear() { sounds_.clear(); }

  private:
    std::vector<std::string> sounds_;
};

} // namespace kelvaro
