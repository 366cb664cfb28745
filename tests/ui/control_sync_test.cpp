// The tick compares each shown control with what its widget last showed, field by
// field for the widget's kind. A field the kind shows but the comparison skips would
// leave its change off the screen: two controls the comparison calls the same must
// give widgets that look and behave the same.
#include "ui/control_sync.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

// Everything a user can see or meet of the widget.
std::string describe(const Control& c) {
    std::unique_ptr<QWidget> w(createControlWidget(c, nullptr));
    syncCommon(c, w.get());
    syncContent(c, w.get());
    QString text = w->toolTip() + u'|' + w->font().toString() + u'|' + QString::number(w->isEnabled()) +
                   QString::number(w->isHidden());
    if (auto* label = qobject_cast<QLabel*>(w.get())) text += label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w.get()))
        text += button->text() + QString::number(button->isChecked());
    if (auto* box = qobject_cast<QComboBox*>(w.get())) {
        for (int i = 0; i < box->count(); ++i)
            text += u'|' + box->itemText(i);
        text += u'|' + box->currentText();
        if (box->lineEdit())
            text += QString::number(box->lineEdit()->isReadOnly()) +
                    QString::number(box->lineEdit()->cursorPosition()) + box->lineEdit()->selectedText();
    }
    const QImage look = w->grab().toImage();
    text += QString::number(look.width()) + u'x' + QString::number(look.height());
    const auto* bytes = reinterpret_cast<const char*>(look.constBits());
    return text.toStdString() + std::string(bytes, static_cast<std::size_t>(look.sizeInBytes()));
}

TEST(WidgetShowsSame, EveryFieldAStandardWidgetShowsIsCompared) {
    uiApp();
    const std::vector<std::pair<const char*, std::function<void(Control&)>>> changes = {
        {"caption", [](Control& c) { c.caption = "Other"; }},
        {"text", [](Control& c) { c.text = "b"; }},
        {"checked", [](Control& c) { c.checked = !c.checked; }},
        {"colour", [](Control& c) { c.color = 0x0000FF; }},
        {"fill", [](Control& c) { c.bgcolor = 0x00FFFF; }},
        {"lamp on", [](Control& c) { c.oncolor = 0xFF0000; }},
        {"lamp off", [](Control& c) { c.offcolor = 0x0000FF; }},
        {"items",
         [](Control& c) {
             c.items = {"a", "c"};
         }},
        {"cursor", [](Control& c) { c.cursor = 0; }},
        {"selection", [](Control& c) { c.cursor = 0, c.selLength = 1; }},
        {"read-only", [](Control& c) { c.readOnly = !c.readOnly; }},
        {"place", [](Control& c) { c.left += 3; }},
        {"width", [](Control& c) { c.width += 7; }},
        {"hint", [](Control& c) { c.hint = "Another hint"; }},
        {"font size", [](Control& c) { c.fontSize = 14; }},
        {"bold", [](Control& c) { c.bold = true; }},
        {"font", [](Control& c) { c.fontName = "Serif"; }},
        {"off", [](Control& c) { c.enabled = false; }},
        {"hidden", [](Control& c) { c.visible = false; }},
    };
    for (ControlKind kind :
         {ControlKind::Label, ControlKind::Button, ControlKind::CheckBox, ControlKind::RadioButton,
          ControlKind::Lamp, ControlKind::Panel, ControlKind::Shape, ControlKind::ComboBox,
          ControlKind::Image, ControlKind::UpDown}) {
        Control base;
        base.kind = kind;
        base.caption = "Caption";
        base.text = "a";
        base.items = {"a", "b"};
        base.hint = "A hint";
        base.oncolor = 0x00FF00, base.offcolor = 0x008000;
        base.left = 4, base.top = 4, base.width = 60, base.height = 22;
        const std::string before = describe(base);
        for (const auto& [what, change] : changes) {
            Control changed = base;
            change(changed);
            if (!widgetShowsSame(base, changed)) continue;
            EXPECT_EQ(describe(changed), before)
                << kindName(kind) << ": " << what << " is shown but not compared";
        }
    }
}

} // namespace
} // namespace kelvaro
