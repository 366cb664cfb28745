#include "ui/screen_reader_names.h"

#include "framework/translatable.h"
#include "moon/moon_widget.h"
#include "night/night_screen_view.h"
#include "platform/linux/translation.h"
#include "ui/about_box_widgets.h"
#include "ui/control_widgets.h"
#include "ui/flame_widget.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWidget>

#include <limits>
#include <map>
#include <string>

namespace kelvaro {

namespace {

bool showsOwnCaption(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return true;
    default:
        return false;
    }
}

// Controls a screen reader stops at: focusable, or painted by the program itself.
bool wantsName(const QWidget* w) {
    if (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w)) return false;
    return w->focusPolicy() != Qt::NoFocus || w->children().isEmpty();
}

// How far `label` stands from `w` as a reader's eye goes: same row first, then the row above.
long long distance(const QRect& w, const QRect& label) {
    const bool sameRow = label.bottom() >= w.top() && label.top() <= w.bottom();
    if (sameRow) return label.right() < w.left() ? w.left() - label.right() : label.left() - w.right();
    const bool above = label.bottom() <= w.top() && w.top() - label.bottom() <= 24 &&
                       label.right() >= w.left() - 8 && label.left() <= w.right();
    if (above) return 1000 + (w.top() - label.bottom());
    return std::numeric_limits<long long>::max();
}

QAccessibleInterface* selfPaintedRole(const QString& key, QObject* object) {
    if (key != QLatin1String("QWidget") && key != QLatin1String("kelvaro::MoonWidget")) return nullptr;
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (dynamic_cast<LampWidget*>(w) || dynamic_cast<ImageWidget*>(w) || dynamic_cast<MoonWidget*>(w))
        return new QAccessibleWidget(w, QAccessible::Graphic);
    if (dynamic_cast<FlameWidget*>(w)) return new QAccessibleWidget(w, QAccessible::Animation);
    if (dynamic_cast<TriangleShape*>(w)) return new QAccessibleWidget(w, QAccessible::Separator);
    // It paints its texts on a window of its own: a window, which a reader names as it opens.
    if (dynamic_cast<NightScreenView*>(w)) return new QAccessibleWidget(w, QAccessible::Window);
    return nullptr;
}

// The title of the notebook page `w` stands on, without its key mark; empty off a notebook.
QString pageTitle(const QWidget* w) {
    for (const QWidget* page = w; page && page->parentWidget(); page = page->parentWidget()) {
        // A tab widget keeps its pages in a stacked widget of its own.
        auto* tabs = qobject_cast<const QTabWidget*>(page->parentWidget()->parentWidget());
        if (tabs && tabs->indexOf(const_cast<QWidget*>(page)) >= 0)
            return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(page))).remove(QLatin1Char('&'));
    }
    return {};
}

} // namespace

void installScreenReaderRoles() {
    QAccessible::installFactory(selfPaintedRole);
}

QString nameFromHint(const QString& hint) {
    QString name = hint.trimmed();
    // "Snoozing = Blue", "Clock running = blinks every second": the whole hint says what the lamp is.
    const qsizetype end = name.indexOf(QLatin1String(". "));
    if (end > 0) name.truncate(end);
    return name.simplified();
}

namespace {

// Pictures that carry no hint: what they show.
QString pictureName(const std::string& control) {
    // The afternoon mark says what the language calls the afternoon.
    if (control == "ImagePM") return languageLocale().pmText();
    static const std::map<std::string, const char*> names = {{"ImageAlarmON", KV_TR("Alarm on")},
                                                             {"ImageAlarmOFF", KV_TR("Alarm off")},
                                                             {"Moon1", KV_TR("Moon phase")}};
    const auto it = names.find(control);
    return it == names.end() ? QString() : translated(it->second);
}

} // namespace

void nameForScreenReader(const Control& c, QWidget* w) {
    if (showsOwnCaption(c.kind)) return;
    QString name = nameFromHint(translated(c.hint));
    if (name.isEmpty()) name = pictureName(c.name);
    if (!name.isEmpty() && w->accessibleName() != name) w->setAccessibleName(name);
}

void nameByNeighbours(QWidget* root) {
    const QList<QWidget*> all = root->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (!w->accessibleName().isEmpty() || !wantsName(w)) continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            tabs->setAccessibleName(tabs->window()->windowTitle());
            continue;
        }
        // A box's own parts (a combo box's line) are named by the box.
        if (qobject_cast<QComboBox*>(w->parentWidget())) continue;
        QWidget* parent = w->parentWidget();
        if (!parent) continue;
        const QLabel* nearest = nullptr;
        long long best = std::numeric_limits<long long>::max();
        for (QObject* o : parent->children()) {
            auto* label = qobject_cast<QLabel*>(o);
            // A rule of tildes or dots draws a line: it names nothing.
            if (!label || !label->text().contains(QRegularExpression(QStringLiteral("\\w")))) continue;
            const long long d = distance(w->geometry(), label->geometry());
            if (d < best) best = d, nearest = label;
        }
        if (nearest && best < 2000)
            w->setAccessibleName(nearest->text().simplified());
        else if (const QString page = pageTitle(w); !page.isEmpty())
            w->setAccessibleName(page); // alone on its page, as the music list: the page says what it is
    }
}

} // namespace kelvaro
