#include "ui/control_differ.h"

#include "platform/linux/translation.h"

#include "ui/bound_widgets.h"
#include "ui/control_sync.h"
#include "ui/qt_convert.h"

#include <QTabWidget>

namespace kelvaro {

namespace {

void writePagesOf(const Form& form, const Control& pageControl, BoundWidgets& widgets) {
    auto* tabs = qobject_cast<QTabWidget*>(widgets.widget(pageControl));
    if (!tabs) return;
    for (const Control* sheet : form.children(pageControl.name)) {
        if (sheet->kind != ControlKind::TabSheet) continue;
        const int index = tabs->indexOf(widgets.widget(*sheet));
        if (index < 0) continue;
        if (const QString text = translated(sheet->caption); tabs->tabText(index) != text)
            tabs->setTabText(index, text);
        if (tabs->isTabVisible(index) != sheet->visible) tabs->setTabVisible(index, sheet->visible);
        // A hidden tab is disabled too, else Ctrl+Tab (which skips only disabled tabs) opens it.
        const bool enabled = sheet->enabled && sheet->visible;
        if (tabs->isTabEnabled(index) != enabled) tabs->setTabEnabled(index, enabled);
    }
    const Control* activePage = form.find(form.activePage);
    if (QWidget* active = activePage ? widgets.widget(*activePage) : nullptr)
        if (tabs->currentWidget() != active && tabs->indexOf(active) >= 0) tabs->setCurrentWidget(active);
}

// A grid's cells stay out of what is remembered: the grid keeps the rows it wrote, and copying
// a hundred thousand cities at every key cost more than the key.
bool showsSame(const Slot& slot, const Control& shown, bool custom) {
    const Control& c = *slot.control;
    if (custom) return looksSame(shown, c);
    if (c.kind == ControlKind::Grid)
        return looksSameBesideCells(shown, c) && gridHolds(slot.bound->widget, c);
    return widgetShowsSame(shown, c);
}

void remember(const Slot& slot) {
    Control& c = *slot.control;
    if (c.kind != ControlKind::Grid || slot.bound->custom) {
        slot.bound->shown = c;
        return;
    }
    std::vector<std::vector<std::string>> cells;
    cells.swap(c.cells);
    slot.bound->shown = c;
    cells.swap(c.cells);
}

} // namespace

void writeChangedControls(const FormView& view, bool force) {
    for (const Slot& slot : view.bound) {
        const Control& c = *slot.control;
        QWidget* w = slot.bound->widget;
        std::optional<Control>& shown = slot.bound->shown;
        const bool custom = slot.bound->custom || slot.update;
        // A control hidden before and after needs nothing written: showing it fails the comparison.
        if (!force && shown && ((!shown->visible && !c.visible) || showsSame(slot, *shown, custom))) {
            if (slot.update) (*slot.update)(w, c); // a field no comparison reads may have changed
            continue;
        }
        // The seconds change their text alone: place, font, hint and colours need no second look.
        if (!force && shown && !custom && captionAloneChanged(*shown, c)) {
            shown->caption = c.caption;
            syncCaption(c, w);
            continue;
        }
        // The running lamp blinks: copying the whole control each second would cost more than the blink.
        if (!force && shown && !custom && lampStateAloneChanged(*shown, c)) {
            shown->checked = c.checked;
            syncContent(c, w);
            continue;
        }
        const bool contentOnly = !force && shown && !custom && placeAndLookSame(*shown, c);
        remember(slot);
        if (!contentOnly) syncCommon(c, w);
        if (slot.update)
            (*slot.update)(w, c);
        else if (!slot.bound->custom)
            syncContent(c, w);
    }
}

void writePages(const Form& form, const FormView& view, BoundWidgets& widgets) {
    for (const Control* pages : view.pageControls)
        writePagesOf(form, *pages, widgets);
}

} // namespace kelvaro
