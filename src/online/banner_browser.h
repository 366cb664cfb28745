#pragma once
// The banner view: a QTextBrowser that shows local pages of one folder only,
// loads nothing from the network, and opens links in the user's browser.
#include <QTextBrowser>

namespace kelvaro {

class BannerBrowser : public QTextBrowser {
  public:
    explicit BannerBrowser(QWidget* parent);
    // Shows a "file://" page; anything else (or "") clears the view.
    void showPage(const QString& url);
    const QString& page() const { return page_; }

  protected:
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QString page_;
    QString folder_; // the shown page's folder; pictures come from there only
};

} // namespace kelvaro
