#include "ui/form_label.h"

#include "ui/alone_on_form.h"
#include "ui/server_pixmap_copier.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

#include <algorithm>

namespace kelvaro {

namespace {

// Enough for a label's sixty seconds; a big label keeps fewer.
constexpr long long kPictureBytes = 300'000;
constexpr std::size_t kMostPictures = 64;

// Whether a screen reader listens, as Qt last told: asking each second costs more than the copy.
class ScreenReaderWatch : public QAccessible::ActivationObserver {
  public:
    ScreenReaderWatch() : active_(QAccessible::isActive()) { QAccessible::installActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override { active_ = active; }
    bool active() const { return active_; }

  private:
    bool active_;
};

bool screenReaderListens() {
    static auto* watch = new ScreenReaderWatch; // never removed: Qt's list of observers may end first
    return watch->active();
}

} // namespace

// What the picture's own drawing covers: left-to-right plain text on a label with no frame or margins.
bool FormLabel::plainLook(const QString& text) const {
    return textFormat() == Qt::PlainText && frameShape() == QFrame::NoFrame && margin() == 0 &&
           indent() <= 0 && !wordWrap() && !text.isRightToLeft() &&
           !(textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) && !buddy();
}

void FormLabel::setCaption(const QString& text) {
    if (showAgain(text)) return;
    applyDeferredText();
    keepOpaqueWhenAlone(*this);
    if (!testAttribute(Qt::WA_OpaquePaintEvent)) {
        setText(text);
        return;
    }
    setTextQuietly(text);
    if (!keptPicture() && plainLook(text)) makePicture(text);
    if (!copyToWindow()) {
        update();
        return;
    }
    checkedAlignment_ = static_cast<int>(alignment());
    prepareForeseen();
}

void FormLabel::foresee(QStringList texts) {
    foreseen_ = std::move(texts);
}

void FormLabel::prepareForeseen() {
    // The text shown is kept too: if they do not all fit, they would push each other out.
    const std::size_t room = std::min(pictureRoom(), ServerPixmapCopier::kMostLooks);
    if (foreseen_.isEmpty() || !copier_ || static_cast<std::size_t>(foreseen_.size()) + 1 > room) return;
    for (const QString& text : foreseen_) {
        if (!pictures_.contains(text)) {
            if (!plainLook(text) || !makePicture(text)) return;
        }
        const QPixmap& picture = pictures_.at(text);
        if (!copier_->keep(text, [&picture] { return picture.toImage(); })) return;
    }
}

// The seconds' path: with nothing around the label changed since the last full copy, a
// text whose picture is on the server is copied with no look or place worked out again.
bool FormLabel::showAgain(const QString& text) {
    if (!copier_ || static_cast<int>(alignment()) != checkedAlignment_ || !copier_->showAgain(text))
        return false;
    if (screenReaderListens()) { // a screen reader reads QLabel's text
        setTextQuietly(text);
    } else {
        deferredText_ = text;
        textDeferred_ = true;
    }
    return true;
}

void FormLabel::applyDeferredText() {
    if (!textDeferred_) return;
    textDeferred_ = false;
    setTextQuietly(deferredText_);
}

void FormLabel::place(const QRect& place) {
    if (geometry() == place) return;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setGeometry(place);
    setFixedSize(place.size());
}

// As setText, without the repaint it asks for: the caller copies or repaints.
void FormLabel::setTextQuietly(const QString& text) {
    if (!updatesEnabled()) {
        setText(text);
        return;
    }
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setText(text);
    setAttribute(Qt::WA_UpdatesDisabled, false);
}

bool FormLabel::copyToWindow() {
    const QPixmap* picture = keptPicture();
    if (!picture || !isVisible()) return false;
    if (!copier_) copier_ = new ServerPixmapCopier(*this);
    return copier_->show(text(), [picture] { return picture->toImage(); });
}

std::size_t FormLabel::pictureRoom() const {
    const QSize pixels = size() * devicePixelRatio();
    const long long bytes = std::max(1LL, 4LL * pixels.width() * pixels.height());
    return std::min<std::size_t>(kMostPictures, static_cast<std::size_t>(kPictureBytes / bytes));
}

bool FormLabel::makePicture(const QString& text) {
    // A label laid out at no size (not placed yet, or squeezed away) has nothing to draw into:
    // a painter on an empty pixmap only complains.
    if (size().isEmpty()) return false;
    const qreal ratio = devicePixelRatio();
    if (pictures_.size() >= pictureRoom()) pictures_.clear();
    QPixmap picture(size() * ratio);
    picture.setDevicePixelRatio(ratio);
    {
        // As QLabel paints plain text with no margin, indent or frame; render() would cost
        // three times as much, and the first minute makes sixty pictures.
        QPainter p(&picture);
        p.setFont(font()); // a painter on a widget starts with its font, one on a pixmap does not
        paintFormUnder(p, *this);
        QStyleOption option;
        option.initFrom(this);
        const int flags = static_cast<int>(QStyle::visualAlignment(Qt::LeftToRight, alignment())) |
                          Qt::TextForceLeftToRight;
        style()->drawItemText(&p, contentsRect(), flags, option.palette, isEnabled(), text, foregroundRole());
    }
    pictures_.emplace(text, std::move(picture));
    return true;
}

void FormLabel::paintEvent(QPaintEvent* event) {
    if (copier_) copier_->painted();
    applyDeferredText();
    const bool opaque = testAttribute(Qt::WA_OpaquePaintEvent);
    if (opaque)
        if (const QPixmap* picture = keptPicture()) {
            QPainter(this).drawPixmap(0, 0, *picture);
            return;
        }
    if (opaque) {
        // Qt fills no background under an opaque widget: a colour given since it was made opaque is ours to
        // fill.
        QPainter p(this);
        if (autoFillBackground())
            p.fillRect(rect(), palette().brush(backgroundRole()));
        else
            paintFormUnder(p, *this);
    }
    QLabel::paintEvent(event);
}

void FormLabel::changeEvent(QEvent* event) {
    applyDeferredText();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) pictures_.clear();
    QLabel::changeEvent(event);
}

FormLabel::Look FormLabel::look() {
    return {size(),     pos(), formBackgroundKey(*this), palette().cacheKey(), static_cast<int>(alignment()),
            isEnabled()};
}

const QPixmap* FormLabel::keptPicture() {
    if (const Look now = look(); !(now == look_)) {
        pictures_.clear();
        if (copier_) copier_->forget();
        look_ = now;
    }
    const auto it = pictures_.find(text());
    return it != pictures_.end() ? &it->second : nullptr;
}

} // namespace kelvaro
