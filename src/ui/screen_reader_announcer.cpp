#include "ui/screen_reader_announcer.h"

#include "alarm/announcements.h"
#include "app/windows.h"
#include "framework/translatable.h"
#include "platform/linux/translation.h"
#include "ui/program_view.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace kelvaro {

namespace {

QString words(Announcement what, int number) {
    switch (what) {
    case Announcement::AlarmSounding:
        return translated(KV_TR("Alarm sounding"));
    case Announcement::Snoozed:
        return translated(KV_TR("Snoozing for %1 min")).arg(number);
    case Announcement::SuperAlarmStep:
        return translated(KV_TR("Super Alarm step %1")).arg(number);
    }
    return {};
}

QAccessibleInterface* alertRole(const QString& key, QObject* object) {
    auto* announcer = dynamic_cast<ScreenReaderAnnouncer*>(object);
    if (key != QLatin1String("QWidget") || !announcer) return nullptr;
    return new QAccessibleWidget(announcer, QAccessible::AlertMessage);
}

} // namespace

ScreenReaderAnnouncer::ScreenReaderAnnouncer(Application& app, ProgramView& view)
    : QWidget(view.window(MainWindow::kName)), app_(app) {
    static const bool roleInstalled = (QAccessible::installFactory(alertRole), true);
    (void)roleInstalled;
    // Nothing to see or click: a pixel in the corner, under the other controls.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    lower();
    hide();
    app_.feature<Announcements>().listener = [this](Announcement what, int number) {
        say(words(what, number));
    };
}

ScreenReaderAnnouncer::~ScreenReaderAnnouncer() {
    app_.feature<Announcements>().listener = {};
}

void ScreenReaderAnnouncer::say(const QString& text) {
    if (!QAccessible::isActive() || !parentWidget()) return;
    setAccessibleName(text);
    // Shown anew, an alert is read out; the alert event tells the readers that listen for it.
    hide();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace kelvaro
