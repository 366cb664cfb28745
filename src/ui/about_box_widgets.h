#pragma once
// The about box's own widgets: the effect labels, the triangle behind the title,
// the scrolling credits and the flames.
#include "ui/shown_animation.h"

#include <QStringList>
#include <QWidget>

namespace kelvaro {

class ProgramView;

// Text with a drop shadow, an optional highlight towards down-right and a face
// graduated from top to bottom, on an optional background.
class EffectLabel : public QWidget {
  public:
    struct Look {
        QColor faceTop, faceBottom, highlight, shadow, background;
        int shadowDepth = 0;
    };
    EffectLabel(QWidget* parent, const Look& look) : QWidget(parent), look_(look) {}
    void setText(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Look look_;
    QString text_;
};

// A triangle pointing down, filled upwards from `bottom` to `top`.
class TriangleShape : public QWidget {
  public:
    using QWidget::QWidget;
    void setColors(const QColor& bottom, const QColor& top);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor bottom_, top_;
};

// Lines rising from the bottom to the top and starting again, one step per interval,
// a pass in `steps` steps; it runs only while it is shown and running.
class ScrollText : public ShownAnimation {
  public:
    explicit ScrollText(QWidget* parent);
    void setLines(const QStringList& lines);
    void setMotion(int intervalMs, int steps);
    void setColor(const QColor& color);
    void setRunning(bool running); // each opening starts from the bottom
    // The lines as they rise: each broken to the box's width, shadow included, so none is cut off.
    const QStringList& shownLines();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList lines_;
    QStringList shown_;
    int shownWidth_ = -1; // the width shown_ was broken for
    QFont shownFont_;
    QColor color_;
    int steps_ = 400;
    int step_ = 0;
};

void registerAboutBoxWidgets(ProgramView& view);

} // namespace kelvaro
