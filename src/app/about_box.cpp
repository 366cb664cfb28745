#include "app/about_box.h"

#include "app/features.h"
#include "app/main_state.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "settings/profile_file.h"

#include <memory>

namespace kelvaro {

namespace {

constexpr int kOlive = 0x008080;
constexpr const char* kNotice = KV_TR("Free software: use it, share it, change it. No warranty.");

// The lines scrolling up in the middle: the credits, between rules.
const char* const kScrollLines[] = {
    "________________________",
    "",
    "Kelvaro Clock",
    KV_TR("An alarm clock for travellers"),
    "",
    KV_TR("Made by the Kelvaro Clock developers"),
    "kelvaro-clock@users.noreply.example",
    "",
    "________________________",
    "",
    KV_TR("Moon picture:"),
    "\"Moon Phase and Libration\"",
    "NASA's Scientific Visualization Studio",
    "(Ernie Wright, USRA), public domain",
    "",
    "Sun: VSOP87D, P. Bretagnon and",
    "G. Francou (Bureau des longitudes)",
    "",
    "Moon and nutation: the tables of",
    "J. Meeus, Astronomical Algorithms",
    "(ELP-2000/82, M. Chapront-Touze",
    "and J. Chapront; IAU 1980 nutation)",
    "",
    "________________________",
};

struct AboutHandles {
    std::unique_ptr<AboutBox> box;
};

Control& addAboutLabel(Form& f, const char* name, const char* caption, Rect r, int size, const char* parent) {
    Control& c = addLabel(f, name, caption, r, parent);
    c.fontName = "Times New Roman";
    c.fontSize = size;
    return c;
}

Control& addFlame(Form& f, const char* name, Rect r) {
    Control& flame = place(f.add(name, ControlKind::Other, "Panel2"), r);
    flame.interval = 20;
    flame.enabled = false; // runs only while the box is shown
    setFlameColor(flame, 0);
    return flame;
}

void buildAboutBox(Form& f) {
    f.caption = KV_TR("About Kelvaro Clock");
    f.borderless = true;
    f.stayOnTop = true;
    f.width = 515;
    f.height = 287;
    f.roundCorners = 20;
    f.bgcolor = 0x000000;
    place(f.add("Panel1", ControlKind::Panel), {0, 0, 515, 287}).bgcolor = 0x000000;
    place(f.add("Panel2", ControlKind::Panel, "Panel1"), {10, 9, 496, 270}).bgcolor = 0x000000;
    Control& shape = place(f.add("ManyShape3", ControlKind::Shape, "Panel2"), {48, 0, 400, 150});
    shape.color = 0x000000; // the gradient runs upwards from black to olive
    shape.bgcolor = kOlive;
    // Sizes in points: 76, 11, 13 and 27 pixels at 96 dots per inch.
    Control& title = addAboutLabel(f, "LabelEffect2", "Kelvaro", {8, -6, 480, 100}, 57, "Panel2");
    title.bold = true;
    title.color = kOlive;
    Control& notice = addAboutLabel(f, "Label1", kNotice, {8, 92, 480, 16}, 8, "Panel2");
    notice.color = 0xC0C0C0;
    Control& version = addAboutLabel(f, "LabelVersion", "v0.01", {148, 106, 200, 18}, 8, "Panel2");
    version.italic = true;
    version.color = 0xE0E0E0; // black, as designed, does not show on the dark end of the shape
    addFlame(f, "Flame1", {16, 118, 96, 146});
    addFlame(f, "Flame2", {384, 118, 96, 146});
    Control& scroll = place(f.add("ScrollText1", ControlKind::Other, "Panel2"), {163, 124, 169, 113});
    scroll.items.assign(std::begin(kScrollLines), std::end(kScrollLines));
    scroll.interval = 50;
    scroll.position = 400; // steps of one pass
    scroll.color = 0x00FFFF;
    scroll.fontName = "Times New Roman";
    scroll.fontSize = 10;
    scroll.bold = true;
    scroll.enabled = false;
    Control& close = addAboutLabel(f, "LabelEffect3", KV_TR("CLOSE"), {178, 238, 140, 30}, 20, "Panel2");
    close.bold = true;
    close.color = 0x000000;
    close.bgcolor = 0x00C000;
}

void showVersion(Application& app) {
    const ProfileFile handover(app.platform().handoverFile);
    // Appended, not "v" + text, which GCC 12 flags with a false -Wrestrict at -O3.
    std::string caption(1, 'v');
    caption += handover.readString("Data", "Version", "?.??");
    aboutBox(app).LabelVersion.caption = caption;
}

void LabelEffect2Click(Application& app) {
    AboutBox& box = aboutBox(app);
    setFlameColor(box.Flame1, box.Flame1.position + 1 > kFlameColorCount - 1 ? 0 : box.Flame1.position + 1);
    setFlameColor(box.Flame2, box.Flame1.position);
}

void runAnimations(AboutBox& box, bool on) {
    box.Flame1.enabled = box.Flame2.enabled = box.ScrollText1.enabled = on;
}

void About1Click(Application& app) {
    AboutBox& box = aboutBox(app);
    // Made anew at each opening: the flames start red again.
    setFlameColor(box.Flame1, 0);
    setFlameColor(box.Flame2, 0);
    runAnimations(box, true);
    auto hold = std::make_shared<RaiseHold>(app.main);
    app.showModal(kAboutBoxName, [hold] {});
}

} // namespace

void setFlameColor(Control& flame, int number) {
    flame.position = number;
    flame.color = kFlameColors[number];
}

AboutBox& aboutBox(Application& app) {
    AboutHandles& h = app.feature<AboutHandles>();
    if (!h.box) {
        Form& f = app.form(kAboutBoxName);
        auto c = [&f](const char* name) -> Control& { return *f.find(name); };
        h.box.reset(new AboutBox{f, c("Panel1"), c("Panel2"), c("ManyShape3"), c("LabelEffect2"), c("Label1"),
                                 c("LabelVersion"), c("Flame1"), c("Flame2"), c("ScrollText1"),
                                 c("LabelEffect3")});
    }
    return *h.box;
}

void addAboutBoxControls(Application& app) {
    buildAboutBox(app.addForm(kAboutBoxName));
}

void installAboutBox(Application& app) {
    AboutBox& box = aboutBox(app);
    handle(app, mainWindow(app).About1, Event::Click, "About1Click", [&app] { About1Click(app); });
    handle(app, box.form, Event::Show, "TFormAboutFormShow", [&app] { showVersion(app); });
    handle(app, box.form, Event::Close, "TFormAboutFormClose", [&box] { runAnimations(box, false); });
    for (Control* c :
         {&box.LabelEffect2, &box.LabelVersion, &box.Label1, &box.Flame1, &box.Flame2, &box.ManyShape3})
        handle(app, *c, Event::Click, "LabelEffect2Click", [&app] { LabelEffect2Click(app); });
    handle(app, box.LabelEffect3, Event::Click, "LabelEffect3Click",
           [&app] { app.closeForm(kAboutBoxName); });
}

} // namespace kelvaro
