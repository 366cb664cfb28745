// The windows at their real fonts: every caption fits its control, every menu is
// reachable, every control stays inside its page.
#include "app/program.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"
#include "platform/linux/translation.h"
#include "ui/feature_widgets.h"
#include "ui/program_view.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

struct Program {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<Application> app;
    std::unique_ptr<ProgramView> view;

    Program(const LocaleInfo& locale, double localNow, const std::string& language = "en") : fakes(localNow) {
        uiApp();
        useLanguage(language);
        app = createProgram(fakes.platform(dir.filePath(QStringLiteral("handover.ini")).toStdString()),
                            locale, dir.path().toStdString(), {"kelvaro"});
        view = std::make_unique<ProgramView>(*app);
        registerFeatureWidgets(*view);
        firstPaint(*app);
        second();
    }
    ~Program() { useLanguage("en"); }
    void second() {
        mainTick(*app);
        view->refresh();
    }
    void clickMenu(const std::string& item) {
        view->action(item)->trigger();
        view->refresh();
    }
};

// The languages the windows are measured in, each with the dates it shows.
struct Language {
    const char* code;
    LocaleInfo locale;
};
std::vector<Language> languages() {
    std::vector<Language> all{{"en", LocaleInfo::enUS()}, {"en", LocaleInfo::deDE()}};
    for (const std::string& code : translatedLanguages()) {
        useLanguage(code);
        all.push_back({code.c_str(), languageLocaleInfo()});
    }
    useLanguage("en");
    return all;
}

// Captions of the shown labels and buttons of a window that are wider than their widget.
std::vector<std::string> clippedCaptions(QWidget* window) {
    std::vector<std::string> clipped;
    auto check = [&clipped](const QWidget* w, const QString& text, int needed, int room) {
        if (needed > room)
            clipped.push_back(w->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
                              std::to_string(needed) + " of " + std::to_string(room));
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || label->objectName().isEmpty()) continue;
        // Each line of a caption: a label of several lines breaks where the text does.
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            check(label, line, QFontMetrics(label->font()).horizontalAdvance(line),
                  label->contentsRect().width());
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty() || button->objectName().isEmpty())
            continue;
        // The words without their mnemonics, with the box or the button's frame around them.
        QString words = button->text().trimmed();
        words.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        words.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        const QFontMetrics metrics(button->font());
        const int frame = qobject_cast<QPushButton*>(button)
                              ? 8
                              : button->sizeHint().width() - metrics.horizontalAdvance(button->text());
        check(button, words, metrics.horizontalAdvance(words) + frame, button->width());
    }
    return clipped;
}

TEST(Layout, TheClockAndEveryLabelFitInBothFormsAndEveryLanguage) {
    for (const Language& language : languages())
        for (const DateTime at : {encodeDate(2026, 9, 30) + encodeTime(12, 59, 58),
                                  encodeDate(2026, 9, 30) + encodeTime(10, 0, 58)}) {
            Program p(language.locale, at, language.code);
            for (bool twelveHour : {true, false}) {
                SCOPED_TRACE(std::string(language.code) + " " + language.locale.amDesignator +
                             (twelveHour ? " 12h " : " 24h ") + p.app->ctl("LabelTime").caption);
                if (std::string(language.code) == "en") {
                    EXPECT_EQ(p.app->ctl("LabelTime").caption.size(), twelveHour ? 8u : 5u);
                }
                const auto clipped = clippedCaptions(p.view->window("TFormKelvaro"));
                EXPECT_TRUE(clipped.empty()) << clipped.front();
                // The seconds sit right of the time, not over it.
                const QWidget* time = p.view->widget("LabelTime");
                const auto* label = qobject_cast<const QLabel*>(time);
                const int textRight =
                    time->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
                EXPECT_LE(textRight, p.view->widget("LabelSeconds")->x());
                p.clickMenu("N24HourFormat1");
                p.second();
            }
        }
}

TEST(Layout, EveryTopLevelMenuShowsWithoutAnOverflowArrowInEveryLanguage) {
    for (const Language& language : languages()) {
        SCOPED_TRACE(language.code);
        Program p(language.locale, FakeClock::DefaultStart, language.code);
        QWidget* main = p.view->window("TFormKelvaro");
        QMenuBar* bar = nullptr; // a bar replaced by a new menu shape may linger until deleted
        for (QMenuBar* b : main->findChildren<QMenuBar*>())
            if (b->isVisible()) bar = b;
        ASSERT_NE(bar, nullptr);
        for (QAction* menu : bar->actions()) {
            if (!menu->isVisible()) continue;
            const QRect place = bar->actionGeometry(menu);
            EXPECT_TRUE(!place.isEmpty() && bar->rect().contains(place))
                << menu->text().toStdString() << " at " << place.x() << "+" << place.width() << " in "
                << bar->width();
        }
    }
}

TEST(Layout, TheLockHidesTheAlarmBoxesButNotTheAlarmTime) {
    Program p(LocaleInfo::enUS(), FakeClock::DefaultStart);
    QWidget* main = p.view->window("TFormKelvaro");
    QWidget* alarm = p.view->widget("LabelAlarmTime");
    const QPoint place = alarm->mapTo(main, QPoint(0, 0));
    EXPECT_EQ(place - p.view->widget("AdvPanelSetting")->mapTo(main, QPoint(0, 0)), QPoint(8, 4));
    qobject_cast<QAbstractButton*>(p.view->widget("CheckBoxLock"))->click();
    ASSERT_TRUE(p.app->ctl("CheckBoxLock").checked);
    EXPECT_FALSE(p.view->widget("ComboBoxHour")->isVisibleTo(main));
    EXPECT_TRUE(alarm->isVisibleTo(main));
    EXPECT_TRUE(p.view->widget("Label1224")->isVisibleTo(main));
    EXPECT_EQ(alarm->mapTo(main, QPoint(0, 0)), place);
}

// Every control of every notebook page lies inside the page with its caption whole, every grid
// header reads whole, every status lamp says what it shows; Ctrl+Tab passes hidden pages by.
TEST(Layout, NotebookPagesHoldTheirControlsWholeAndLampsCarryHints) {
    for (const Language& language : languages()) {
        SCOPED_TRACE(language.code);
        Program p(language.locale, FakeClock::DefaultStart, language.code);
        p.app->form("TFormCity").visible = true;
        p.app->touch();
        p.view->refresh();
        auto* tabs = qobject_cast<QTabWidget*>(p.view->widget("PageControl1"));
        ASSERT_NE(tabs, nullptr);
        for (int i = 0; i < tabs->count(); ++i) { // hidden pages too: the program may open them
            tabs->setCurrentIndex(i);
            QWidget* page = tabs->widget(i);
            SCOPED_TRACE(page->objectName().toStdString());
            for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (w->objectName().isEmpty() || !w->isVisibleTo(page)) continue;
                EXPECT_TRUE(page->rect().contains(w->geometry()))
                    << w->objectName().toStdString() << " at " << w->y() << "+" << w->height() << " of "
                    << page->height() << ", " << w->x() << "+" << w->width() << " of " << page->width();
            }
            for (auto* grid : page->findChildren<QTableWidget*>()) {
                QHeaderView* header = grid->horizontalHeader();
                for (int col = 0; col < grid->columnCount(); ++col) {
                    QTableWidgetItem* item = grid->horizontalHeaderItem(col);
                    if (!item || header->sectionViewportPosition(col) >= grid->viewport()->width()) continue;
                    const int needed = QFontMetrics(header->font()).horizontalAdvance(item->text()) + 8;
                    EXPECT_LE(needed, header->sectionSize(col)) << item->text().toStdString();
                }
            }
            for (const std::string& caption : clippedCaptions(page))
                ADD_FAILURE() << caption;
        }
        tabs->setCurrentIndex(tabs->count() - 1);
        for (int i = 0; i < tabs->count(); ++i) {
            QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
            EXPECT_TRUE(tabs->isTabVisible(tabs->currentIndex()))
                << tabs->tabText(tabs->currentIndex()).toStdString();
        }
        for (const auto& c : p.app->form("TFormKelvaro").controls())
            if (c->kind == ControlKind::Lamp) {
                EXPECT_FALSE(c->hint.empty()) << c->name;
            }
    }
}

// Under a style that prefers no arrows and elides (as some desktops' do), the notebook still
// shows every tab's whole name and reaches the last with the arrows.
class NoArrowsStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_TabBar_PreferNoArrows) return 1;
        if (hint == SH_TabBar_ElideMode) return Qt::ElideRight;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

TEST(Layout, TheNotebooksTabsKeepTheirNamesAndScroll) {
    uiApp(); // run alone, no test before it has made the application and its style
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new NoArrowsStyle(QStyleFactory::create(style)));
    Program p(LocaleInfo::enUS(), FakeClock::DefaultStart);
    p.clickMenu("AddNewTimeZone1");
    auto* tabs = qobject_cast<QTabWidget*>(p.view->widget("PageControl1"));
    ASSERT_NE(tabs, nullptr);
    QTabBar* bar = tabs->tabBar();
    EXPECT_TRUE(bar->usesScrollButtons());
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i)) continue;
        tabs->setCurrentIndex(i);
        const int needed = QFontMetrics(bar->font()).horizontalAdvance(tabs->tabText(i));
        EXPECT_GE(bar->tabRect(i).width(), needed) << tabs->tabText(i).toStdString();
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i)))
            << tabs->tabText(i).toStdString() << " out of reach";
    }
    QApplication::setStyle(style);
}

// The zone chooser shows a zone's whole description, and Escape closes the notebook.
TEST(Layout, TheZoneBoxShowsTheWholeZoneAndEscapeClosesTheNotebook) {
    Program p(LocaleInfo::enUS(), FakeClock::DefaultStart);
    p.clickMenu("AddNewTimeZone1");
    ASSERT_TRUE(p.app->form("TFormCity").visible);
    auto* box = qobject_cast<QComboBox*>(p.view->widget("ComboBoxZone"));
    ASSERT_TRUE(box && box->lineEdit());
    for (const char* zone : {"tokyo", "calcutta", "sao paulo"}) {
        p.app->userEditText("ComboBoxZone", zone);
        p.view->refresh();
        ASSERT_GT(box->count(), 0) << zone;
        const QString text = box->itemText(0);
        const int needed = QFontMetrics(box->lineEdit()->font()).horizontalAdvance(text);
        EXPECT_LE(needed, box->lineEdit()->width() - 4) << text.toStdString();
    }
    QTest::keyClick(p.view->widget("GradBtnnNoZone"), Qt::Key_Escape);
    p.view->refresh();
    EXPECT_FALSE(p.app->form("TFormCity").visible);
    EXPECT_FALSE(p.view->window("TFormCity")->isVisible());
}

} // namespace
} // namespace kelvaro
