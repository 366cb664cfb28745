#pragma once
// The about box "TFormAbout": the title, the version, two flames, the credits
// scrolling up, and "CLOSE". Opened modally from the main menu's "&About".
#include "framework/form.h"

namespace kelvaro {

class Application;

inline constexpr const char* kAboutBoxName = "TFormAbout";
// Flame colours in the order a click steps through them: red, green, blue, deep purple, cyan, yellow.
inline constexpr int kFlameColors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x800080, 0xFFFF00, 0x00FFFF};
inline constexpr int kFlameColorCount = 6;

// Typed handles to the about box's controls.
struct AboutBox {
    Form& form;
    Control& Panel1;
    Control& Panel2;
    Control& ManyShape3;
    Control& LabelEffect2;
    Control& Label1;
    Control& LabelVersion;
    Control& Flame1;
    Control& Flame2;
    Control& ScrollText1;
    Control& LabelEffect3;
};

AboutBox& aboutBox(Application& app);
// Sets flame colour number `number` (0..5) on a flame control.
void setFlameColor(Control& flame, int number);

} // namespace kelvaro
