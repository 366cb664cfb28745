#pragma once
#include <string>
// Setting the system clock, and whether the system keeps it itself.
namespace kelvaro {

class ClockSetter {
  public:
    virtual ~ClockSetter() = default;
    // Sets the system clock to a UTC date-time (days since 1899-12-30); false when
    // the system refused (no privilege, the user said no).
    // mayAsk: the user is there, so the system may ask for a password.
    virtual bool setUtc(double utc, bool mayAsk) = 0;
    // Why the last setUtc was refused: an English text of the catalogue for the refusals a user
    // meets, else the system's own words (empty when it gave none).
    virtual std::string refusal() const = 0;
    // True while the system reports its clock as kept by NTP.
    virtual bool ntpSynchronized() = 0;
};

} // namespace kelvaro
