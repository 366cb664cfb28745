#include "ui/control_sync.h"

#include "platform/linux/translation.h"
#include "ui/control_widgets.h"
#include "ui/form_label.h"
#include "ui/qt_convert.h"
#include "ui/screen_reader_names.h"
#include "ui/text_cursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

namespace kelvaro {

namespace {

QStringList toStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& i : items)
        list << qs(i);
    return list;
}

void setTextColor(QWidget* w, const Control& c) {
    const QColor color = frameworkColor(c.color);
    QPalette pal = w->palette();
    const QColor current = pal.color(QPalette::WindowText);
    if (color.isValid() && current != color) {
        pal.setColor(QPalette::WindowText, color);
        pal.setColor(QPalette::Text, color);
        pal.setColor(QPalette::ButtonText, color);
        w->setPalette(pal);
    }
}

void setFill(QWidget* w, int bgcolor) {
    const QColor fill = frameworkColor(bgcolor);
    w->setAutoFillBackground(fill.isValid());
    if (fill.isValid() && w->palette().color(QPalette::Window) != fill) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, fill);
        w->setPalette(pal);
    }
}

void syncCombo(const Control& c, QComboBox* box) {
    // An item shows translated and keeps its English text as its data, which a choice hands back.
    const QStringList items = toStringList(c.items);
    bool same = box->count() == items.size();
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemData(i).toString() == items[i];
    if (!same) {
        box->clear();
        for (const QString& item : items)
            box->addItem(translated(stdString(item)), item);
    }
    const QString text = qs(c.text);
    const int index = box->findData(text);
    const QString shown = index >= 0 ? box->itemText(index) : text;
    if (box->currentText() != shown) {
        if (index >= 0) box->setCurrentIndex(index);
        box->setEditText(shown); // the program may write a text that is not an item
    }
    if (box->lineEdit()) {
        box->lineEdit()->setReadOnly(c.readOnly);
        showCursor(c, box->lineEdit());
    }
}

// The rows last written into a grid: a row that still holds them is not compared cell by cell
// with the widget, which for a list of a hundred thousand cities is most of a key's cost. The
// widget takes no typing of its own (the model does it), so its cells change only from here.
class WrittenRows : public QObject {
  public:
    explicit WrittenRows(QTableWidget* grid) : QObject(grid) {
        setObjectName(QStringLiteral("kelvaroWrittenRows"));
    }
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    int cols = -1;
};

WrittenRows& writtenRows(QTableWidget* grid) {
    auto* written =
        grid->findChild<WrittenRows*>(QStringLiteral("kelvaroWrittenRows"), Qt::FindDirectChildrenOnly);
    return written ? *written : *new WrittenRows(grid);
}

void syncGrid(const Control& c, QTableWidget* grid) {
    const int rows = c.cells.empty() ? 0 : static_cast<int>(c.cells.size()) - 1;
    int cols = c.colCount;
    for (const auto& row : c.cells)
        cols = std::max(cols, static_cast<int>(row.size()));
    if (grid->rowCount() != rows) grid->setRowCount(rows);
    if (grid->columnCount() != cols) grid->setColumnCount(cols);
    WrittenRows& written = writtenRows(grid);
    if (!c.cells.empty()) {
        written.header = c.cells.front();
        const QStringList header = toStringList(c.cells.front());
        for (int col = 0; col < header.size(); ++col) {
            QTableWidgetItem* h = grid->horizontalHeaderItem(col);
            if (!h) grid->setHorizontalHeaderItem(col, h = new QTableWidgetItem);
            const QString shown = translated(c.cells.front()[static_cast<size_t>(col)]);
            if (h->text() != shown) h->setText(shown);
        }
    } else {
        written.header.clear();
    }
    if (written.cols != cols) written.rows.clear();
    written.cols = cols;
    written.rows.resize(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        const auto& row = c.cells[static_cast<size_t>(r) + 1];
        auto& known = written.rows[static_cast<size_t>(r)];
        if (known == row && !known.empty()) continue;
        known = row;
        for (int col = 0; col < cols; ++col) {
            const QString text =
                col < static_cast<int>(row.size()) ? qs(row[static_cast<size_t>(col)]) : QString();
            QTableWidgetItem* item = grid->item(r, col);
            if (!item) grid->setItem(r, col, item = new QTableWidgetItem);
            if (item->text() != text) item->setText(text);
        }
    }
    for (size_t col = 0; col < c.colWidths.size() && static_cast<int>(col) < cols; ++col)
        if (grid->columnWidth(static_cast<int>(col)) != c.colWidths[col])
            grid->setColumnWidth(static_cast<int>(col), c.colWidths[col]);
    if (c.row >= 1 && c.row <= rows && (grid->currentRow() != c.row - 1 || grid->currentColumn() != c.col))
        grid->setCurrentCell(c.row - 1, c.col);
}

} // namespace

// A new field of Control must be compared in looksSame too, else its changes stay off the
// screen; one that a standard widget shows, in widgetShowsSame as well.
static_assert(sizeof(Control) == 576, "Control changed: compare the new field in looksSame");

bool gridHolds(QWidget* widget, const Control& c) {
    auto* grid = qobject_cast<QTableWidget*>(widget);
    if (!grid) return false;
    const WrittenRows& written = writtenRows(grid);
    if (c.cells.empty()) return written.header.empty() && written.rows.empty();
    return written.header == c.cells.front() &&
           std::equal(c.cells.begin() + 1, c.cells.end(), written.rows.begin(), written.rows.end());
}

bool looksSame(const Control& a, const Control& b) {
    return looksSameBesideCells(a, b) && a.cells == b.cells;
}

bool looksSameBesideCells(const Control& a, const Control& b) {
    // Numbers first, then texts, then lists: cheap to tell apart, and the tick
    // asks this of every control of the shown windows each second.
    return a.checked == b.checked && a.enabled == b.enabled && a.visible == b.visible && a.color == b.color &&
           a.bgcolor == b.bgcolor && a.oncolor == b.oncolor && a.offcolor == b.offcolor && a.left == b.left &&
           a.top == b.top && a.width == b.width && a.height == b.height && a.fontSize == b.fontSize &&
           a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.readOnly == b.readOnly && a.cursor == b.cursor && a.selLength == b.selLength &&
           a.position == b.position && a.min == b.min && a.max == b.max && a.selStart == b.selStart &&
           a.selEnd == b.selEnd && a.lineStep == b.lineStep && a.pageStep == b.pageStep &&
           a.tickStep == b.tickStep && a.interval == b.interval && a.value == b.value &&
           a.colCount == b.colCount && a.row == b.row && a.col == b.col && a.caption == b.caption &&
           a.text == b.text && a.hint == b.hint && a.fontName == b.fontName && a.group == b.group &&
           a.shortcut == b.shortcut && a.associate == b.associate && a.items == b.items &&
           a.colWidths == b.colWidths;
}

bool placeAndLookSame(const Control& a, const Control& b) {
    return a.visible == b.visible && a.enabled == b.enabled && a.left == b.left && a.top == b.top &&
           a.width == b.width && a.height == b.height && a.fontSize == b.fontSize && a.bold == b.bold &&
           a.italic == b.italic && a.underline == b.underline && a.hint == b.hint && a.fontName == b.fontName;
}

bool widgetShowsSame(const Control& a, const Control& b) {
    if (a.kind != b.kind || !placeAndLookSame(a, b)) return false;
    switch (a.kind) {
    case ControlKind::Label:
        return a.caption == b.caption && a.color == b.color && a.bgcolor == b.bgcolor;
    case ControlKind::Button:
        return a.caption == b.caption;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return a.checked == b.checked && a.caption == b.caption && a.color == b.color;
    case ControlKind::Lamp:
        return a.checked == b.checked && a.oncolor == b.oncolor && a.offcolor == b.offcolor;
    case ControlKind::Panel:
    case ControlKind::Shape:
        return a.bgcolor == b.bgcolor;
    case ControlKind::ComboBox:
        return a.text == b.text && a.cursor == b.cursor && a.selLength == b.selLength &&
               a.readOnly == b.readOnly && a.items == b.items;
    case ControlKind::Image: // its picture is the view's, not a field
    case ControlKind::UpDown:
        return true;
    default: // the rarer kinds: every field
        return looksSame(a, b);
    }
}

bool captionAloneChanged(const Control& a, const Control& b) {
    return a.kind == ControlKind::Label && b.kind == ControlKind::Label && a.color == b.color &&
           a.bgcolor == b.bgcolor && placeAndLookSame(a, b);
}

bool lampStateAloneChanged(const Control& a, const Control& b) {
    return a.kind == ControlKind::Lamp && b.kind == ControlKind::Lamp && a.oncolor == b.oncolor &&
           a.offcolor == b.offcolor && placeAndLookSame(a, b);
}

QFont controlFont(const Control& c) {
    QFont font = QApplication::font();
    // The layouts were made for the framework's 8-point default.
    font.setPointSize(c.fontSize > 0 ? c.fontSize : 8);
    if (!c.fontName.empty()) font.setFamily(qs(c.fontName));
    font.setBold(c.bold);
    font.setItalic(c.italic);
    font.setUnderline(c.underline);
    return font;
}

QWidget* createControlWidget(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case ControlKind::Label: {
        auto* label = new FormLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::Button:
        return new QPushButton(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(parent);
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false); // the model keeps the groups
        return radio;
    }
    case ControlKind::ComboBox: {
        auto* box = new QComboBox(parent);
        box->setEditable(true); // also read-only boxes show texts that are not items
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMaxVisibleItems(12);
        return box;
    }
    case ControlKind::Edit:
        return new QLineEdit(parent);
    case ControlKind::Memo:
        return new QPlainTextEdit(parent);
    case ControlKind::Lamp:
        return new LampWidget(parent);
    case ControlKind::Panel:
    case ControlKind::Shape: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::NoFrame);
        return frame;
    }
    case ControlKind::Image:
        return new ImageWidget(parent);
    case ControlKind::UpDown:
        return new UpDownWidget(parent);
    case ControlKind::TrackBar:
        return new TrackBarWidget(parent);
    case ControlKind::Grid: {
        auto* grid = new QTableWidget(parent);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers); // the model does the typing
        grid->setAlternatingRowColors(true);
        // Columns past the edge hold the program's own data: they never scroll into view,
        // not even when the current cell is only partly visible.
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QScrollBar* across = grid->horizontalScrollBar();
        QObject::connect(across, &QScrollBar::valueChanged, across, [across](int value) {
            if (value != 0) across->setValue(0);
        });
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->horizontalHeader()->setHighlightSections(false); // a bold title would not fit its column
        grid->verticalHeader()->setVisible(false);
        grid->verticalHeader()->setDefaultSectionSize(20);
        return grid;
    }
    case ControlKind::PageControl: {
        // Tabs keep their whole names; those past the edge are reached with the arrows.
        auto* tabs = new QTabWidget(parent);
        tabs->setUsesScrollButtons(true);
        tabs->setElideMode(Qt::ElideNone);
        return tabs;
    }
    case ControlKind::TabSheet:
    case ControlKind::Menu:
    case ControlKind::MenuItem:
    case ControlKind::Timer:
    case ControlKind::Other:
        return nullptr;
    }
    return nullptr;
}

void syncCommon(const Control& c, QWidget* w) {
    const QRect place(c.left, c.top, std::max(c.width, 0), std::max(c.height, 0));
    if (auto* label = dynamic_cast<FormLabel*>(w))
        label->place(place);
    else if (w->geometry() != place)
        w->setGeometry(place);
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    const QString hint = translated(c.hint);
    if (w->toolTip() != hint) w->setToolTip(hint);
    nameForScreenReader(c, w);
    const QFont font = controlFont(c);
    if (w->font() != font) w->setFont(font);
}

void syncCaption(const Control& c, QWidget* w) {
    const QString caption = translated(c.caption);
    if (auto* formLabel = dynamic_cast<FormLabel*>(w)) {
        if (formLabel->caption() != caption) formLabel->setCaption(caption);
    } else if (auto* label = static_cast<QLabel*>(w); label->text() != caption) {
        label->setText(caption);
    }
}

void syncContent(const Control& c, QWidget* w) {
    switch (c.kind) {
    case ControlKind::Label: {
        setTextColor(w, c); // first: a label's picture is made with its colours
        setFill(w, c.bgcolor);
        syncCaption(c, w);
        break;
    }
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
        auto* button = static_cast<QAbstractButton*>(w);
        if (const QString caption = translated(c.caption); button->text() != caption)
            button->setText(caption);
        if (c.kind != ControlKind::Button && button->isChecked() != c.checked) button->setChecked(c.checked);
        if (c.kind != ControlKind::Button) setTextColor(w, c);
        break;
    }
    case ControlKind::ComboBox:
        syncCombo(c, static_cast<QComboBox*>(w));
        break;
    case ControlKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != qs(c.text)) edit->setText(qs(c.text));
        edit->setReadOnly(c.readOnly);
        showCursor(c, edit);
        break;
    }
    case ControlKind::Memo: {
        auto* memo = static_cast<QPlainTextEdit*>(w);
        if (memo->toPlainText() != qs(c.text)) memo->setPlainText(qs(c.text));
        memo->setReadOnly(c.readOnly);
        break;
    }
    case ControlKind::Lamp:
        static_cast<LampWidget*>(w)->setState(c.checked, frameworkColor(c.oncolor),
                                              frameworkColor(c.offcolor));
        break;
    case ControlKind::Panel:
    case ControlKind::Shape:
        setFill(w, c.bgcolor);
        break;
    case ControlKind::Grid:
        syncGrid(c, static_cast<QTableWidget*>(w));
        break;
    case ControlKind::TrackBar: {
        auto* bar = static_cast<TrackBarWidget*>(w);
        const QSignalBlocker quiet(bar); // the model's position is no user's move
        bar->setRange(c.min, c.max);
        bar->setSingleStep(c.lineStep);
        bar->setPageStep(c.pageStep);
        bar->setTickInterval(c.tickStep);
        if (bar->value() != c.position) bar->setValue(c.position);
        bar->setSelection(c.selStart, c.selEnd);
        break;
    }
    default:
        break;
    }
}

} // namespace kelvaro
