#pragma once
// A zone's offset from UTC, remembered until the zone's next transition.
#include <ctime>

class QTimeZone;

namespace kelvaro {

// The clock asks for the offset several times a second and the zone's rules are dear to look
// up; the offset holds from the second it was asked for until the next transition. A second
// before that span (the clock set back) or from the transition on is looked up again.
class ZoneOffsetMemo {
  public:
    int offsetAt(const QTimeZone& zone, std::time_t utc);
    void forget() { known_ = false; }

  private:
    bool known_ = false;
    std::time_t from_ = 0, until_ = 0; // the offset holds in [from_, until_)
    int offset_ = 0;
};

} // namespace kelvaro
