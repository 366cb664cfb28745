#pragma once
// The small widgets the toolkit does not have: status lamps, up-down buttons,
// pictures whose pixmap a feature supplies later, and the form window itself.
#include <QLabel>
#include <QPixmap>
#include <QSlider>
#include <QToolButton>
#include <QWidget>

#include <functional>

namespace kelvaro {

class ServerPixmapCopier;

// A round indicator painted in its on or off colour.
class LampWidget : public QWidget {
  public:
    explicit LampWidget(QWidget* parent) : QWidget(parent) {}
    void setState(bool on, const QColor& onColor, const QColor& offColor);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPixmap drawLamp(const QColor& fill) const;
    const QPixmap& currentLook();
    bool copyToWindow();
    QString lookKey() const;

    bool on_ = false;
    QColor onColor_, offColor_;
    // Both looks, drawn once: a blinking lamp then costs a copy a second, not a gradient.
    QPixmap onLook_, offLook_;
    ServerPixmapCopier* copier_ = nullptr; // a child: made when the lamp first changes while shown
};

// A horizontal track bar whose selection range is drawn as a blue band beside the groove.
class TrackBarWidget : public QSlider {
  public:
    explicit TrackBarWidget(QWidget* parent);
    void setSelection(int start, int end);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int selStart_ = 0, selEnd_ = 0;
};

// Two arrow buttons stacked, as the framework's up-down control.
class UpDownWidget : public QWidget {
  public:
    explicit UpDownWidget(QWidget* parent);
    QToolButton* up() const { return up_; }
    QToolButton* down() const { return down_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};

// A picture control: shows its pixmap, or a faint marker until a feature gives it one.
class ImageWidget : public QWidget {
  public:
    explicit ImageWidget(QWidget* parent) : QWidget(parent) {}
    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap pixmap_;
};

// A top-level window of one form: paints the form's background, keeps the
// rounded shape of a borderless window and reports the user's close.
class FormWindow : public QWidget {
  public:
    explicit FormWindow(QWidget* parent = nullptr);
    QWidget* body() const { return body_; } // the client area below the menu bar

    void setBackground(const QColor& color);
    // Rounded corners of this ellipse's size (pixels); 0: square corners.
    void setRounded(int ellipse);
    void setClientArea(int top, int width, int height);
    // A plate painted behind the clock's labels (window coordinates; empty: none).
    void setFace(const QRect& face);
    bool hasBackground() const { return background_.isValid(); }
    qint64 backgroundKey() { return background().cacheKey(); } // changes when the background does
    // The background at `at` (window coordinates), for a child that paints it itself.
    void paintBackground(QPainter& painter, const QPoint& at, const QSize& size);
    // Moves on whenever the background, the body's place or any child of the body changes its
    // place, visibility, stacking or looks: a child that worked out what lies around and under it
    // may use that again while this stays the same.
    unsigned surroundings() const { return surroundings_; }
    std::function<void()> onUserClose;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void applyShape();
    const QPixmap& background();
    void paintBackground(QPaintDevice& device);

    QWidget* body_;
    QColor background_;
    QPixmap painted_; // the background as last drawn: a second's repaint copies a corner of it
    QRect face_;
    int rounded_ = 0;
    unsigned surroundings_ = 0;
};

// The rounded window region: the window's rectangle one pixel taller, with
// corner ellipses of `ellipse` x `ellipse` pixels.
QRegion roundedWindowRegion(int width, int height, int ellipse = 10);

} // namespace kelvaro
