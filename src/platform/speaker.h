#pragma once
// Short sounds: the message routine's tone and the system's default beep.
namespace kelvaro {

class Speaker {
  public:
    virtual ~Speaker() = default;
    virtual void tone(int frequencyHz, int milliseconds) = 0; // never fails; silent without audio
    virtual void ding() = 0;                                  // the default message beep
};

} // namespace kelvaro
