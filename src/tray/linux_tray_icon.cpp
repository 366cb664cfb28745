#include "tray/linux_tray_icon.h"
#include "platform/linux/translation.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QScreen>
#include <QTimer>

// Resources of a static library must be registered by hand (outside any namespace).
static void RegisterTrayPictures() {
    Q_INIT_RESOURCE(tray);
}

namespace kelvaro {

namespace {

QIcon programIcon() {
    RegisterTrayPictures();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48})
        icon.addFile(QStringLiteral(":/tray/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

LinuxTrayIcon::LinuxTrayIcon() {
    icon_.setIcon(programIcon());
    connect(&icon_, &QSystemTrayIcon::activated, this, &LinuxTrayIcon::activated);
}

LinuxTrayIcon::~LinuxTrayIcon() {
    icon_.hide();
}

bool LinuxTrayIcon::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void LinuxTrayIcon::show() {
    if (available()) icon_.show();
}

void LinuxTrayIcon::hide() {
    icon_.hide();
}

void LinuxTrayIcon::setTip(const std::string& tip) {
    const QString text = translated(tip);
    if (icon_.toolTip() != text) icon_.setToolTip(text);
    syncMenu(); // at least each minute, with the time in the tip
}

void LinuxTrayIcon::popUpMenu(const std::string& menu, const std::string& defaultItem, int x, int y) {
    QMenu* popup = wiring_.menu ? wiring_.menu(menu) : nullptr;
    if (!popup) return;
    if (QAction* item = wiring_.action ? wiring_.action(defaultItem) : nullptr) popup->setDefaultAction(item);
    popup->popup(QPoint(x, y));
}

void LinuxTrayIcon::handOverMenu(const std::string& menu, const std::string& defaultItem) {
    menuName_ = menu;
    defaultItem_ = defaultItem;
    syncMenu();
}

void LinuxTrayIcon::syncMenu() {
    QMenu* source = wiring_.menu && !menuName_.empty() ? wiring_.menu(menuName_) : nullptr;
    if (!source || source == shownSource_) return;
    // The icon keeps one menu of its own for good (a tray host holds on to the menu it was
    // given); it shows the items of the view's present menu, which the view makes anew.
    shownSource_ = source;
    menu_.clear();
    menu_.addActions(source->actions());
    menu_.setDefaultAction(wiring_.action ? wiring_.action(defaultItem_) : nullptr);
    if (icon_.contextMenu() != &menu_) icon_.setContextMenu(&menu_);
    connect(source, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, [this] { syncMenu(); }); });
}

ScreenSize LinuxTrayIcon::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {1024, 768};
    return {screen->geometry().width(), screen->geometry().height()};
}

void LinuxTrayIcon::activated(QSystemTrayIcon::ActivationReason reason) {
    syncMenu();
    TrayEvent event;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        event = TrayEvent::Click;
        break;
    case QSystemTrayIcon::DoubleClick:
        event = TrayEvent::DoubleClick;
        break;
    case QSystemTrayIcon::Context:
        event = TrayEvent::RightClick;
        break;
    default:
        return; // the middle button: the program has nothing for it
    }
    if (!onEvent) return;
    if (wiring_.runAsUser)
        wiring_.runAsUser([this, event] { onEvent(event); });
    else
        onEvent(event);
}

} // namespace kelvaro
