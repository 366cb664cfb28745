#pragma once
// A widget that changes each second costs Qt a paint, a backing-store flush and an
// X round trip. On X11 its looks can instead be kept as pixmaps on the server and
// copied into the window: one request, no reply. Qt's backing store then holds an
// old look, so the widget is marked dirty before Qt next flushes or exposes it.
// This side knows when a copy lands where Qt would paint; the server's side is
// platform/server_pictures.h, and without X11 every copy is refused.
#include "platform/server_pictures.h"
#include "ui/alone_on_form.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWindow>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace kelvaro {

class ServerPixmapCopier : public QObject {
  public:
    explicit ServerPixmapCopier(QWidget& widget);
    ~ServerPixmapCopier() override;
    ServerPixmapCopier(const ServerPixmapCopier&) = delete;
    ServerPixmapCopier& operator=(const ServerPixmapCopier&) = delete;

    // Copies the look kept as `key` into the window, uploading `draw()` (the widget's whole
    // opaque look) the first time. False when it cannot: the caller then lets Qt paint.
    bool show(const QString& key, const std::function<QImage()>& draw);
    // Copies a look already uploaded, skipping show()'s checks of place and looks, while the
    // form's surroundings stayed the same since the last show(). False when they moved, the
    // look is not on the server or the window is not shown: the caller then calls show().
    bool showAgain(const QString& key);
    // Uploads the look kept as `key` without showing it, right after a show() that copied:
    // a widget that knows the looks to come pays for them at once rather than one a second.
    bool keep(const QString& key, const std::function<QImage()>& draw);
    // How many looks the server keeps before it starts over.
    static constexpr std::size_t kMostLooks = 64;
    // While one lives, copies wait and go to the server in one write when the last one
    // ends: a view sync that copies the seconds and the lamp writes once.
    using Batch = ServerPictures::Batch;
    // The widget's paint event: Qt's backing store holds its current look again.
    void painted() { stale_ = false; }
    // Frees the server pixmaps (a look changed in a way the widget alone knows).
    void forget();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Place {
        QPoint at;
        QSize size;
        long long background = 0;
        long long palette = 0;
        bool operator==(const Place&) const = default;
    };
    bool usable();
    bool connect();
    void watchWindow(QWindow* window);
    void markStale();
    void copy(ServerPictures::Picture pixmap);
    ServerPictures::Picture upload(const QString& key,
                                   const std::function<QImage()>& draw); // 0 when it cannot

    QWidget& widget_;
    QPointer<QWindow> window_;
    QPointer<QObject> topLevel_;
    std::unique_ptr<ServerPictures> pictures_; // of window_, once it takes them
    Place place_;
    std::map<QString, ServerPictures::Picture> pixmaps_;
    bool stale_ = false;
    CheckedSurroundings checked_; // of the last show() that copied, nothing forgotten since
};

} // namespace kelvaro
