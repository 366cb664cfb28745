#include "ui/about_box_widgets.h"

#include "app/about_box.h"
#include "framework/control.h"
#include "framework/translatable.h"
#include "platform/linux/translation.h"
#include "ui/control_sync.h"
#include "ui/flame_widget.h"
#include "ui/program_view.h"
#include "ui/qt_convert.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace kelvaro {

void EffectLabel::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleName(text.simplified());
    update();
}

void EffectLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (look_.background.isValid()) p.fillRect(rect(), look_.background);
    const QFontMetrics metrics(font());
    const int d = look_.shadowDepth;
    // Centred with room for the shadow on the right and below.
    const int x = (width() - d - metrics.horizontalAdvance(text_)) / 2;
    const int y = (height() - d - metrics.height()) / 2 + metrics.ascent();
    QPainterPath path;
    path.addText(x, y, font(), text_);
    p.setPen(Qt::NoPen);
    if (d > 0) p.fillPath(path.translated(d, d), look_.shadow);
    if (look_.highlight.isValid()) p.fillPath(path.translated(2, 2), look_.highlight);
    QLinearGradient face(0, y - metrics.ascent(), 0, y + metrics.descent());
    face.setColorAt(0, look_.faceTop);
    face.setColorAt(1, look_.faceBottom);
    p.fillPath(path, face);
}

void TriangleShape::setColors(const QColor& bottom, const QColor& top) {
    if (bottom == bottom_ && top == top_) return;
    bottom_ = bottom;
    top_ = top;
    update();
}

void TriangleShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, height(), 0, 0);
    fill.setColorAt(0, bottom_);
    fill.setColorAt(1, top_);
    QPainterPath triangle;
    triangle.moveTo(0, 0);
    triangle.lineTo(width(), 0);
    triangle.lineTo(width() / 2.0, height());
    triangle.closeSubpath();
    p.fillPath(triangle, fill);
}

ScrollText::ScrollText(QWidget* parent) : ShownAnimation(parent, 50) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % steps_;
        update();
    });
}

void ScrollText::setLines(const QStringList& lines) {
    if (lines == lines_) return;
    lines_ = lines;
    setAccessibleName(translated(KV_TR("Credits")));
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    shownWidth_ = -1;
    update();
}

void ScrollText::setMotion(int intervalMs, int steps) {
    setFrameInterval(intervalMs);
    if (steps > 0) steps_ = steps;
}

void ScrollText::setColor(const QColor& color) {
    color_ = color;
}

void ScrollText::setRunning(bool running) {
    if (running && !isRunning()) step_ = 0;
    ShownAnimation::setRunning(running);
}

namespace {

constexpr int kScrollDepth = 3; // the shadow's offset

// The longest start of `word` that fits, cut after a mark where one fits ("name@" / "host.org"),
// else after the last character that fits; at least one character, so the breaking ends.
qsizetype fittingPart(const QString& word, const QFontMetrics& metrics, int width) {
    qsizetype fits = 1;
    while (fits < word.size() && metrics.horizontalAdvance(word.left(fits + 1)) <= width)
        ++fits;
    for (qsizetype i = fits; i > fits / 2; --i)
        if (QStringLiteral("@./-").contains(word[i - 1])) return i;
    return fits;
}

// A rule of underscores is cut to the width; other lines are broken between words, and a word
// wider than the box (an address) where a mark allows.
QStringList fitLines(const QStringList& lines, const QFontMetrics& metrics, int width) {
    QStringList out;
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) <= width) {
            out << line;
            continue;
        }
        if (line.count(QLatin1Char('_')) == line.size()) {
            out << line.left(fittingPart(line, metrics, width));
            continue;
        }
        QString current;
        for (QString word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (metrics.horizontalAdvance(joined) <= width) {
                current = joined;
                continue;
            }
            if (!current.isEmpty()) out << current;
            while (metrics.horizontalAdvance(word) > width) {
                const qsizetype part = fittingPart(word, metrics, width);
                out << word.left(part);
                word = word.mid(part);
            }
            current = word;
        }
        if (!current.isEmpty()) out << current;
    }
    return out;
}

} // namespace

const QStringList& ScrollText::shownLines() {
    const int room = std::max(1, width() - kScrollDepth);
    if (room != shownWidth_ || font() != shownFont_) {
        shown_ = fitLines(lines_, QFontMetrics(font()), room);
        shownWidth_ = room;
        shownFont_ = font();
    }
    return shown_;
}

void ScrollText::paintEvent(QPaintEvent*) {
    const QStringList& lines = shownLines();
    QPainter p(this);
    p.setClipRect(rect());
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    // One pass: the first line enters at the bottom, the last one leaves at the top.
    const int travel = height() + textHeight;
    const int top = height() - step_ * travel / std::max(1, steps_);
    for (int i = 0; i < lines.size(); ++i) {
        const QRect line(0, top + i * lineHeight, width() - kScrollDepth, lineHeight);
        if (line.bottom() < 0 || line.top() > height()) continue;
        p.setPen(QColor(90, 60, 0));
        p.drawText(line.translated(kScrollDepth, kScrollDepth), Qt::AlignHCenter | Qt::AlignTop, lines[i]);
        p.setPen(color_);
        p.drawText(line, Qt::AlignHCenter | Qt::AlignTop, lines[i]);
    }
}

void registerAboutBoxWidgets(ProgramView& view) {
    AboutBox& box = aboutBox(view.application());
    // The notice and the version, centred under the title.
    for (const Control* label : {&box.Label1, &box.LabelVersion})
        view.registerCustomWidget(
            *label,
            [](QWidget* parent, Control&) {
                auto* l = new QLabel(parent);
                l->setAlignment(Qt::AlignCenter);
                return l;
            },
            [](QWidget* w, const Control& c) {
                auto* l = static_cast<QLabel*>(w);
                if (const QString text = translated(c.caption); l->text() != text) l->setText(text);
                QPalette palette = l->palette();
                palette.setColor(QPalette::WindowText, frameworkColor(c.color));
                l->setPalette(palette);
            });
    view.registerCustomWidget(
        box.LabelEffect2,
        [](QWidget* parent, Control&) {
            return new EffectLabel(parent, {QColor(255, 0, 0), QColor(128, 128, 0), QColor(255, 255, 0),
                                            QColor(40, 40, 0), QColor(), 10});
        },
        [](QWidget* w, const Control& c) { static_cast<EffectLabel*>(w)->setText(translated(c.caption)); });
    view.registerCustomWidget(
        box.LabelEffect3,
        [](QWidget* parent, Control& c) {
            return new EffectLabel(parent, {frameworkColor(c.color), frameworkColor(c.color), QColor(),
                                            QColor(128, 128, 128), frameworkColor(c.bgcolor), 2});
        },
        [](QWidget* w, const Control& c) { static_cast<EffectLabel*>(w)->setText(translated(c.caption)); });
    view.registerCustomWidget(
        box.ManyShape3, [](QWidget* parent, Control&) { return new TriangleShape(parent); },
        [](QWidget* w, const Control& c) {
            static_cast<TriangleShape*>(w)->setColors(frameworkColor(c.color), frameworkColor(c.bgcolor));
        });
    for (const Control* flame : {&box.Flame1, &box.Flame2})
        view.registerCustomWidget(
            *flame, [](QWidget* parent, Control&) { return new FlameWidget(parent); },
            [](QWidget* w, const Control& c) {
                auto* f = static_cast<FlameWidget*>(w);
                f->setInterval(c.interval);
                f->setColorNumber(c.position);
                f->setRunning(c.enabled);
            });
    view.registerCustomWidget(
        box.ScrollText1, [](QWidget* parent, Control&) { return new ScrollText(parent); },
        [](QWidget* w, const Control& c) {
            auto* s = static_cast<ScrollText*>(w);
            QStringList lines;
            for (const auto& line : c.items)
                lines << translated(line);
            s->setLines(lines);
            s->setMotion(c.interval, c.position);
            s->setColor(frameworkColor(c.color));
            s->setRunning(c.enabled);
        });
}

} // namespace kelvaro
