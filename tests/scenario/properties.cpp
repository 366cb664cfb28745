#include "properties.h"

#include "compare.h"
#include "services.h"

#include <cmath>

namespace kelvaro::scenario {

namespace {

std::string flag(bool value) {
    return value ? "true" : "false";
}

std::string joinItems(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "|" : "") + items[i];
    return out;
}

std::vector<std::string> splitItems(const std::string& text) {
    std::vector<std::string> items;
    if (text.empty()) return items;
    std::size_t start = 0;
    for (;;) {
        auto bar = text.find('|', start);
        items.push_back(text.substr(start, bar - start));
        if (bar == std::string::npos) return items;
        start = bar + 1;
    }
}

[[noreturn]] void noProperty(const std::string& name, const std::string& property) {
    throw ScenarioFailure(name + " has no property " + property);
}

int toInt(const std::string& value) {
    return static_cast<int>(std::llround(parseNumber(value).value_or(0)));
}
bool toBool(const std::string& value) {
    return parseBoolean(value).value_or(false);
}

bool isMainWindow(Application& app, const Form& form) {
    return !app.forms().empty() && app.forms().front().get() == &form;
}

std::string readForm(Application& app, Form& f, const std::string& p) {
    if (p == "visible") return flag(f.visible);
    if (p == "minimized") return flag(isMainWindow(app, f) ? app.applicationMinimized : f.minimized);
    if (p == "rounded") return flag(f.rounded);
    // Down in the tray a minimised window leaves the taskbar; elsewhere it keeps its button.
    if (p == "taskbarbutton")
        return flag(f.visible && !((isMainWindow(app, f) ? app.applicationMinimized : f.minimized) &&
                                   f.hideWhenMinimized));
    if (p == "modal") return flag(f.modal);
    if (p == "caption") return f.caption;
    if (p == "bgcolor") return std::to_string(f.bgcolor);
    if (p == "page") return f.activePage;
    if (p == "left") return std::to_string(f.left);
    if (p == "top") return std::to_string(f.top);
    if (p == "width") return std::to_string(f.width);
    if (p == "height") return std::to_string(f.height);
    noProperty(f.name, p);
}

void writeForm(Application& app, Form& f, const std::string& p, const std::string& v) {
    if (p == "visible")
        f.visible = toBool(v);
    else if (p == "minimized")
        (isMainWindow(app, f) ? app.applicationMinimized : f.minimized) = toBool(v);
    else if (p == "caption")
        f.caption = v;
    else if (p == "bgcolor")
        f.bgcolor = toInt(v);
    else if (p == "page")
        f.activePage = v;
    else
        noProperty(f.name, p);
    app.touch();
}

std::string readControl(const Control& c, const std::string& p) {
    if (p == "caption") return c.caption;
    if (p == "text") return c.text;
    if (p == "url") return c.text; // the banner view's page
    if (p == "hint") return c.hint;
    if (p == "items") return joinItems(c.items);
    if (p == "checked") return flag(c.checked);
    if (p == "enabled") return flag(c.enabled);
    if (p == "visible") return flag(c.visible);
    if (p == "color") return std::to_string(c.color);
    if (p == "bgcolor") return std::to_string(c.bgcolor);
    if (p == "oncolor") return std::to_string(c.oncolor);
    if (p == "offcolor") return std::to_string(c.offcolor);
    if (p == "rows") return std::to_string(c.cells.size());
    if (p == "cols") return std::to_string(c.colCount);
    if (p == "row") return std::to_string(c.row);
    if (p == "col") return std::to_string(c.col);
    if (p == "position") return std::to_string(c.position);
    if (p == "min") return std::to_string(c.min);
    if (p == "max") return std::to_string(c.max);
    if (p == "interval") return std::to_string(c.interval);
    if (p == "left") return std::to_string(c.left);
    if (p == "top") return std::to_string(c.top);
    if (p == "width") return std::to_string(c.width);
    if (p == "height") return std::to_string(c.height);
    if (p == "fontname") return c.fontName;
    if (p == "fontsize") return std::to_string(c.fontSize);
    if (p == "bold") return flag(c.bold);
    if (p == "italic") return flag(c.italic);
    if (p == "underline") return flag(c.underline);
    noProperty(c.name, p);
}

void writeControl(Control& c, const std::string& p, const std::string& v) {
    if (p == "caption")
        c.caption = v;
    else if (p == "text")
        c.text = v;
    else if (p == "hint")
        c.hint = v;
    else if (p == "items")
        c.items = splitItems(v);
    else if (p == "checked")
        c.checked = toBool(v);
    else if (p == "enabled")
        c.enabled = toBool(v);
    else if (p == "visible")
        c.visible = toBool(v);
    else if (p == "color")
        c.color = toInt(v);
    else if (p == "bgcolor")
        c.bgcolor = toInt(v);
    else if (p == "oncolor")
        c.oncolor = toInt(v);
    else if (p == "offcolor")
        c.offcolor = toInt(v);
    else if (p == "rows")
        c.cells.resize(static_cast<std::size_t>(std::max(0, toInt(v))),
                       std::vector<std::string>(static_cast<std::size_t>(c.colCount)));
    else if (p == "row")
        c.row = toInt(v);
    else if (p == "col")
        c.col = toInt(v);
    else if (p == "position")
        c.position = toInt(v);
    else if (p == "min")
        c.min = toInt(v);
    else if (p == "max")
        c.max = toInt(v);
    else if (p == "interval")
        c.interval = toInt(v);
    else
        noProperty(c.name, p);
}

} // namespace

namespace {

// "TFormScreenBlank.LabelTime": a control of that window, where two windows have one of the name.
Control* findQualified(Application& app, const std::string& name) {
    const auto dot = name.find('.');
    if (dot == std::string::npos) return app.find(name);
    Form* f = app.findForm(name.substr(0, dot));
    return f ? f->find(name.substr(dot + 1)) : nullptr;
}

} // namespace

std::string readProperty(Application& app, const std::string& name, const std::string& property) {
    if (Form* f = app.findForm(name)) return readForm(app, *f, property);
    if (Control* c = findQualified(app, name)) return readControl(*c, property);
    throw ScenarioFailure("no control or window " + name);
}

void writeProperty(Application& app, const std::string& name, const std::string& property,
                   const std::string& value) {
    if (Form* f = app.findForm(name)) return writeForm(app, *f, property, value);
    if (Control* c = findQualified(app, name)) {
        writeControl(*c, property, value);
        app.touch();
        return;
    }
    throw ScenarioFailure("no control or window " + name);
}

std::string& gridCell(Application& app, const std::string& name, int row, int col) {
    Control* c = app.find(name);
    if (!c) throw ScenarioFailure("no control " + name);
    auto r = static_cast<std::size_t>(row), k = static_cast<std::size_t>(col);
    if (r >= c->cells.size() || k >= c->cells[r].size())
        throw ScenarioFailure(name + " has no cell [" + std::to_string(row) + "," + std::to_string(col) +
                              "] (" + std::to_string(c->cells.size()) + " rows)");
    return c->cells[r][k];
}

} // namespace kelvaro::scenario
