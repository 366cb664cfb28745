#pragma once

#include "moon/tmoon.h"

#include <QImage>
#include <QWidget>

#include <string_view>

namespace kelvaro {

// Qt view of a TMoon: shows its displayed bitmap unscaled and takes the size the picture needs.
class MoonWidget : public QWidget {
    Q_OBJECT

  public:
    // Starts as the control does: 64 x 64 classic picture of the current local date-time.
    explicit MoonWidget(QWidget* parent = nullptr);

    void setDate(double dateTime);
    void setMoonSize(moon::TMoonSize size);
    void setRotation(moon::TRotate rotation);
    void setShowApollo11(bool show);
    void setMoonStyle(moon::TMoonStyle style);

    const moon::TMoon& moon() const { return moon_; }
    QImage picture() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void Refresh();

    moon::TMoon moon_;
    unsigned shownRepaint_ = 0;
    moon::MoonBitmap shownPicture_; // as last painted: a new date most often draws the same
};

// Picture resource ":/moon/<name>" as a pixel buffer; empty when there is none.
moon::MoonBitmap LoadMoonPicture(std::string_view name);
QImage ToQImage(const moon::MoonBitmap& bitmap);

} // namespace kelvaro
