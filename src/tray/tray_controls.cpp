// The tray menu, the power image and the help items of the main window.
#include "app/features.h"
#include "framework/form_builder.h"
#include "framework/translatable.h"

namespace kelvaro {

void addTrayControls(Form& f) {
    f.add("PopupMenu1", ControlKind::Menu);
    addMenuItem(f, "AlarmON1", KV_TR("Alarm ON / OFF"), "PopupMenu1");
    addMenuItem(f, "Close2", KV_TR("Close"), "PopupMenu1");
    addSeparator(f, "N1", "PopupMenu1");
    addMenuItem(f, "SayCurrentTime1", KV_TR("Say Current Time"), "PopupMenu1").enabled = false;
    addMenuItem(f, "SayAlarmTime1", KV_TR("Say Alarm Time"), "PopupMenu1").enabled = false;
    addMenuItem(f, "Sleep2", KV_TR("Sleep"), "PopupMenu1");
    addSeparator(f, "N2", "PopupMenu1");
    addMenuItem(f, "Minimize2", KV_TR("Minimize"), "PopupMenu1");
    addMenuItem(f, "Maximize1", KV_TR("Maximize"), "PopupMenu1").bold = true; // the default item

    Control& power = place(f.add("ImagePower", ControlKind::Image), {498, 4, 16, 16});
    power.hint = KV_TR("Turn OFF the alarm program");

    // A "&Help" menu would not fit in the menu bar: the two items join "&Window", after "&About".
    addMenuItem(f, "EMailKelvaroSupport1", KV_TR("&E-Mail Kelvaro Support"), "Window1");
    addMenuItem(f, "KelvaroWebSite1", KV_TR("&Kelvaro Web Site"), "Window1");
    f.moveBefore("EMailKelvaroSupport1", "N9");
    f.moveBefore("KelvaroWebSite1", "N9");
}

} // namespace kelvaro
