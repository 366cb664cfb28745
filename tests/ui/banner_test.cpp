// The banner view with the whole program's windows: a local page is shown, nothing
// outside its folder or on the network is loaded; pictures of the banner and of
// the web-time page after a reply go to /tmp/kelvaro-shots/.
#include "app/program.h"
#include "online/banner_browser.h"
#include "platform/fake/fake_platform.h"
#include "ui/feature_widgets.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

class OpenBanner : public BannerBrowser {
  public:
    using BannerBrowser::BannerBrowser;
    using BannerBrowser::loadResource;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(BannerBrowser, LoadsOnlyFromThePagesOwnFolder) {
    uiApp();
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("pages"));
    const QString pages = dir.filePath(QStringLiteral("pages"));
    writeFile(pages + QStringLiteral("/b1.htm"), "<p>hello</p>");
    writeFile(pages + QStringLiteral("/pic.txt"), "picture");
    writeFile(dir.filePath(QStringLiteral("secret.txt")), "secret");
    OpenBanner banner(nullptr);
    banner.showPage(QUrl::fromLocalFile(pages + QStringLiteral("/b1.htm")).toString());
    EXPECT_TRUE(banner.toPlainText().contains(QStringLiteral("hello")));
    const int image = QTextDocument::ImageResource;
    EXPECT_TRUE(banner.loadResource(image, QUrl(QStringLiteral("pic.txt"))).isValid());
    EXPECT_FALSE(banner.loadResource(image, QUrl(QStringLiteral("../secret.txt"))).isValid());
    EXPECT_FALSE(banner.loadResource(image, QUrl::fromLocalFile(dir.filePath(QStringLiteral("secret.txt"))))
                     .isValid());
    EXPECT_FALSE(banner.loadResource(image, QUrl(QStringLiteral("http://127.0.0.1:9/x.png"))).isValid());
    banner.showPage(QStringLiteral("https://example.org/b1.htm"));
    EXPECT_TRUE(banner.toPlainText().isEmpty());
}

TEST(Screenshots, BannerAndWebTimePage) {
    uiApp();
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("b1.htm")),
              "<body bgcolor=\"#000040\"><table width=\"100%\"><tr><td><font color=\"#FFFF80\" size=\"4\">"
              "Kelvaro Clock</font> <font color=\"white\">keeps your time while you travel</font></td>"
              "<td align=\"right\"><a href=\"https://example.org/\">more</a></td></tr></table></body>");
    FakePlatform fakes(45078.0); // 1 June 2023, 00:00 local, UTC
    fakes.lookup.online = true;
    fakes.timeClient.plan({FakeTimeClient::Plan::Reply, {0xE8, 0x22, 0x5E, 0x40}, 0, 200});
    const std::string programDir = dir.path().toStdString() + "/";
    auto app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                             LocaleInfo::enUS(), programDir, {"kelvaro"});
    ProgramView view(*app);
    registerFeatureWidgets(view);
    firstPaint(*app);
    for (int second = 0; second < 125; ++second) { // online at 00:01, the first banner at 00:02
        fakes.clock.advanceSeconds(1);
        fakes.runUntil(fakes.elapsedMs + 1000);
        mainTick(*app);
    }
    view.refresh();
    auto* banner = dynamic_cast<BannerBrowser*>(view.widget("WebBrowserTop"));
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->toPlainText().contains(QStringLiteral("Kelvaro Clock")));
    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    EXPECT_TRUE(view.window("TFormKelvaro")
                    ->grab()
                    .toImage()
                    .save(QStringLiteral("/tmp/kelvaro-shots/main-banner.png")));

    app->run("GetWebTimeSynch1Click");
    app->run("GradBtnnGetTimeClick");
    fakes.runPending();
    view.refresh();
    auto* tabs = qobject_cast<QTabWidget*>(view.widget("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentWidget(), view.widget("TabSheetWebTime"));
    EXPECT_TRUE(view.window("TFormCity")
                    ->grab()
                    .toImage()
                    .save(QStringLiteral("/tmp/kelvaro-shots/web-time-reply.png")));
}

} // namespace
} // namespace kelvaro
