#include "online/banner_browser.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace kelvaro {

BannerBrowser::BannerBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameStyle(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl& url) {
        const QString scheme = url.scheme().toLower();
        if (scheme == QLatin1String("https") || scheme == QLatin1String("http"))
            QDesktopServices::openUrl(url);
    });
}

void BannerBrowser::showPage(const QString& url) {
    if (url == page_) return;
    page_ = url;
    const QUrl u(url);
    if (!u.isLocalFile()) {
        folder_.clear();
        clear();
        return;
    }
    folder_ = QFileInfo(u.toLocalFile()).absolutePath();
    setSource(u);
}

QVariant BannerBrowser::loadResource(int type, const QUrl& name) {
    const QUrl resolved = name.isRelative() && !folder_.isEmpty()
                              ? QUrl::fromLocalFile(QDir(folder_).filePath(name.path()))
                              : name;
    if (!resolved.isLocalFile() || folder_.isEmpty()) return {};
    const QFileInfo file(resolved.toLocalFile());
    if (file.absolutePath() != folder_) return {}; // nothing outside the banner's folder
    return QTextBrowser::loadResource(type, resolved);
}

} // namespace kelvaro
