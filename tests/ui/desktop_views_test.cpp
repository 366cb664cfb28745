// The city clock's window and the about box as the real program shows them.
#include "app/about_box.h"
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "ui/about_box_widgets.h"
#include "ui/feature_widgets.h"
#include "ui/flame_widget.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

struct DesktopViews : ::testing::Test {
    QTemporaryDir dir;
    FakePlatform fakes{FakeClock::DefaultStart + 7.0 / 24 + 42.0 / 1440}; // 07:42
    std::unique_ptr<Application> app;
    std::unique_ptr<ProgramView> view;

    void SetUp() override {
        uiApp();
        ASSERT_TRUE(dir.isValid());
        app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                            LocaleInfo::enUS(), dir.path().toStdString() + "/", {"kelvaro"});
        view = std::make_unique<ProgramView>(*app);
        registerFeatureWidgets(*view);
        firstPaint(*app);
        tick();
    }
    void tick() {
        fakes.clock.advanceSeconds(1);
        mainTick(*app);
        view->refresh();
    }
    static QWidget* cityClock() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("CityClock")) return w;
        return nullptr;
    }
};

TEST_F(DesktopViews, TheCityClockStandsAtTheBottomRightOnTopWithoutATaskbarButton) {
    QWidget* clock = cityClock();
    ASSERT_NE(clock, nullptr);
    ASSERT_TRUE(clock->isVisible()); // the first paint set the text, the first tick shows it
    const Qt::WindowFlags flags = clock->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(clock->geometry().right(), area.right() - 2);
    EXPECT_EQ(clock->geometry().bottom(), area.bottom());
    EXPECT_EQ(view->widget("PanelKV")->isVisible(), false) << "nothing of it inside the main window";

    app->run("PanelKVMouseDown", {"10", "ctrl+left"});
    app->run("PanelKVMouseMove", {"0", "ctrl+left"}); // ten pixels to the left: ten wider
    view->refresh();
    EXPECT_EQ(clock->width(), 90);
    EXPECT_EQ(clock->geometry().right(), area.right() - 2);

    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    EXPECT_TRUE(clock->grab().toImage().save(QStringLiteral("/tmp/kelvaro-shots/city-clock.png")));

    app->userClick("CheckBoxShowKVTimeinTaskBar1");
    tick();
    EXPECT_FALSE(clock->isVisible());
}

TEST_F(DesktopViews, ABigFontIsNotCut) {
    app->ctl("PanelKV").fontSize = 30;
    tick();
    tick();
    QWidget* clock = cityClock();
    ASSERT_TRUE(clock && clock->isVisible());
    EXPECT_GE(clock->height(), QFontMetrics(clock->font()).height());
}

TEST_F(DesktopViews, TheAboutBoxAnimatesOnlyWhileShown) {
    app->userClick("About1");
    view->refresh();
    QWidget* about = view->window("TFormAbout");
    ASSERT_TRUE(about && about->isVisible());
    EXPECT_EQ(about->size(), QSize(515, 287));
    // By the about box's own controls: the night screen has a "Label1" too.
    AboutBox& box = aboutBox(*app);
    for (const Control* c : {&box.LabelEffect2, &box.LabelVersion, &box.Label1, &box.Flame1, &box.Flame2,
                             &box.ScrollText1, &box.LabelEffect3, &box.ManyShape3}) {
        const std::string& name = c->name;
        QWidget* w = view->widget(*c);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isVisible()) << name;
        EXPECT_TRUE(about->rect().contains(QRect(w->mapTo(about, QPoint(0, 0)), w->size())))
            << name << " is cut";
    }
    auto* flame = dynamic_cast<FlameWidget*>(view->widget("Flame1"));
    auto* scroll = dynamic_cast<ScrollText*>(view->widget("ScrollText1"));
    ASSERT_TRUE(flame && scroll);
    EXPECT_TRUE(flame->isAnimating());
    EXPECT_TRUE(scroll->isAnimating());
    // Every credit reads whole, shadow included, and no word is lost in the breaking.
    const QFontMetrics metrics(scroll->font());
    QStringList words, shownWords;
    for (const std::string& line : app->ctl("ScrollText1").items)
        words << QString::fromStdString(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& line : scroll->shownLines()) {
        EXPECT_LE(metrics.horizontalAdvance(line), scroll->width() - 3) << line.toStdString();
        shownWords << line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    EXPECT_GT(scroll->shownLines().size(), static_cast<qsizetype>(app->ctl("ScrollText1").items.size()));
    const auto letters = [](const QStringList& w) { return w.join(QString()).remove(QLatin1Char('_')); };
    EXPECT_EQ(letters(shownWords), letters(words));
    QTest::qWait(300);
    QDir().mkpath(QStringLiteral("/tmp/kelvaro-shots"));
    EXPECT_TRUE(about->grab().toImage().save(QStringLiteral("/tmp/kelvaro-shots/about-box.png")));

    app->userClick("LabelEffect3");
    view->refresh();
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(flame->isAnimating());
    EXPECT_FALSE(scroll->isAnimating());
}

// The controls the focus visits, Tab after Tab, until it is back where it began or a grid
// keeps the key for its cells. Qt's own stops (the notebook's tab bar) are passed over.
std::vector<std::string> tabWalk(Application& app) {
    std::vector<std::string> names;
    for (int press = 0; press < 60; ++press) {
        QWidget* at = QApplication::focusWidget();
        if (!at) break;
        const std::string name = at->objectName().toStdString();
        const Control* c = app.find(name);
        if (c && c->kind != ControlKind::PageControl) {
            if (std::find(names.begin(), names.end(), name) != names.end()) break;
            names.push_back(name);
        }
        QTest::keyClick(at, Qt::Key_Tab);
        if (QApplication::focusWidget() == at && c && c->kind == ControlKind::Grid) break;
    }
    return names;
}

QWidget* shownActive(ProgramView& view, const char* form) {
    view.refresh();
    QWidget* window = view.window(form);
    QApplication::setActiveWindow(window);
    QTest::qWait(20);
    return window;
}

TEST_F(DesktopViews, TheAlarmIsSetWithTheKeyboardAlone) {
    shownActive(*view, "TFormKelvaro");
    ASSERT_EQ(QApplication::focusWidget(), view->widget("ComboBoxHour"))
        << "the focus starts in the hour box";
    for (const Qt::Key key : {Qt::Key_0, Qt::Key_9, Qt::Key_Tab, Qt::Key_4, Qt::Key_5, Qt::Key_Return})
        QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(app->ctl("LabelAlarmTime").caption, "9:45 AM");
}

// From where the main window's focus starts, and on each notebook page from its tab, Tab
// reaches these controls in this order. A grid keeps Tab for its cells, so a page ends in
// it; Ctrl+Tab turns to the next page from the last control, a grid's too.
TEST_F(DesktopViews, TabReachesEveryControlInOrderAndCtrlTabEveryPage) {
    const auto names = [](const char* spaced) {
        std::vector<std::string> list;
        for (const QString& name : QString::fromLatin1(spaced).split(QLatin1Char(' ')))
            list.push_back(name.toStdString());
        return list;
    };
    shownActive(*view, "TFormKelvaro");
    EXPECT_EQ(tabWalk(*app), names("ComboBoxHour ComboBoxMinute ComboBoxAMPM ComboBoxSnooze ComboBoxNowPlus "
                                   "ButtonTestVolume CheckBoxLock"));
    const std::pair<const char*, const char*> pageWalks[] = {
        {"TabSheetSettings",
         "CheckBoxAlarmOnce1 CheckBoxSnooze1 CheckBoxMonitorOff CheckBoxVolumeMuteFix1 "
         "CheckBoxStopHybernateandSleep1 CheckBoxShowKVTimeinTaskBar1 CheckBoxShowMilestones "
         "CheckBoxWarnifChangingSettings1 CheckBoxSayTimeEveryHour1 CheckBoxQuietAfterBedTime1 "
         "CheckBoxSpeakDuringAlarm1 CheckBoxAllowTimeUpdate CheckBoxAutoStartwithWindows1 "
         "CheckBoxLowBattCheck1 "
         "ComboBoxLanguage ComboBoxMusicSeconds ComboBoxSnoozeSeconds GradBtnnChangeTimeFontSize1 "
         "ComboBoxLateLimit ComboBoxGentleStart GradBtnnClose"},
        {"TabSheetSuperAlarm",
         "Edit1M Edit2M Edit3M Edit4M Edit5M Edit6M Edit7M Edit8M Edit9M ComboBoxHourM "
         "ComboBoxMinuteM ComboBoxAMPMM EditBT EditBTT Edit1MT Edit2MT Edit3MT Edit4MT Edit5MT "
         "GradBtnnMSaveDefaults GradBtnnMUseDefaults GradBtnnMSetAlarm"},
        {"TabSheetWave",
         "RadioButtonWInOrder RadioButtonWRandom RadioButtonWSingle ButtonAddWave ButtonSortWave "
         "CheckBoxSTNewMusic MgridWave"},
        {"TabSheetCD",
         "RadioButtonCDInOrder RadioButtonCDRandom RadioButtonCDSingle RadioButtonCDWhole ButtonAddCD "
         "ButtonSortCD MgridCD"},
        {"TabSheetWebRadio", "ButtonSortWebRadio MgridWebRadio"},
        {"TabSheetWebTime", "ComboBoxTimeHostName GradBtnnGetTime GradBtnnOKWT"},
        {"TabSheetCities", "ComboBoxZone GradBtnnUseZone GradBtnnNoZone MgridCities"},
    };
    app->userClick("Settings1");
    auto* pages = shownActive(*view, "TFormCity")->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    for (const auto& [page, controls] : pageWalks) {
        EXPECT_EQ(pages->currentWidget()->objectName().toStdString(), page);
        pages->tabBar()->setFocus(Qt::TabFocusReason); // where Shift+Tab from the page's first control goes
        EXPECT_EQ(tabWalk(*app), names(controls)) << page;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        view->refresh();
    }
    EXPECT_EQ(pages->currentWidget()->objectName().toStdString(), "TabSheetSettings")
        << "round, past the hidden page";
}

} // namespace
} // namespace kelvaro
