#pragma once
// A widget that changes every second (the seconds, the running lamp) would make
// Qt repaint the window under it and every widget near it. When nothing but the
// form's background lies under it, the widget paints that background itself and
// is marked opaque, so Qt repaints the widget alone.
#include <QPointer>

class QPainter;
class QWidget;

namespace kelvaro {

class FormWindow;

// Marks `widget` opaque when it lies on a form's plain background and no other
// shown widget overlaps it; call before the change that repaints it.
void keepOpaqueWhenAlone(QWidget& widget);

// The form's background under an opaque `widget`, first thing in its paint.
void paintFormUnder(QPainter& painter, const QWidget& widget);
// Changes whenever the background `paintFormUnder` paints does (0: none).
long long formBackgroundKey(const QWidget& widget);

// Remembers that a widget alone on its form was checked in full (place, neighbours,
// background, looks). Until the form's surroundings move on, the next change of the
// widget's content can skip those checks.
class CheckedSurroundings {
  public:
    void remember(const QWidget& widget);
    bool unchanged() const;
    void forget();

  private:
    QPointer<FormWindow> form_;
    unsigned seen_ = 0;
};

} // namespace kelvaro
