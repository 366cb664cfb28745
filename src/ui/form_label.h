#pragma once
// The label of a Label control. Alone on the form's background (alone_on_form.h)
// it is opaque and keeps its look per text as a picture: the seconds then cost a
// copy each, not a text layout.
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <cstddef>
#include <map>

namespace kelvaro {

class ServerPixmapCopier;

class FormLabel : public QLabel {
  public:
    using QLabel::QLabel;
    // Shows `text`; alone on the form, with its picture made now (a paint may not draw pictures).
    void setCaption(const QString& text);
    // The text shown. On the seconds' path QLabel's own text waits for the next paint, change
    // or full setCaption (at once with a screen reader on): its setText cost as much as the copy.
    QString caption() const { return textDeferred_ ? deferredText_ : text(); }
    // Puts the label at `place` and holds it at that size. The form places its controls
    // itself: with a size of its own, a new text no longer asks the form for a layout
    // (one posted event and one more turn of the event loop for each second shown).
    void place(const QRect& place);
    // Texts the label shows in turn (the seconds). On the copy path their pictures are made
    // and uploaded with the first full copy, so the first minute costs what the others do.
    void foresee(QStringList texts);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // What the pictures were drawn for besides the text.
    struct Look {
        QSize size;
        QPoint at;
        long long background = 0;
        long long palette = 0;
        int alignment = 0;
        bool enabled = false;
        bool operator==(const Look&) const = default;
    };
    void applyDeferredText();
    bool plainLook(const QString& text) const;
    bool showAgain(const QString& text);
    void setTextQuietly(const QString& text);
    bool copyToWindow();
    bool makePicture(const QString& text); // false when the label has no size to draw at
    std::size_t pictureRoom() const;
    void prepareForeseen();
    Look look();
    const QPixmap* keptPicture();

    QString deferredText_;
    bool textDeferred_ = false;
    std::map<QString, QPixmap> pictures_;
    QStringList foreseen_;
    Look look_;
    int checkedAlignment_ = 0;             // of the last text copied in full: alignment changes send no event
    ServerPixmapCopier* copier_ = nullptr; // a child: made when the text first changes while shown
};

} // namespace kelvaro
