#include "ui/qt_dialogs.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(QtDialogs, FileFiltersBecomeQtFilters) {
    EXPECT_EQ(qtFileFilter("Label|*.a;*.b|Label2|*"), QStringLiteral("Label (*.a *.A *.b *.B);;Label2 (*)"));
    EXPECT_EQ(qtFileFilter("Music (mp3)|*.mp3"), QStringLiteral("Music (mp3) (*.mp3 *.MP3)"));
    // Windows' "*.*" also shows names without a dot.
    EXPECT_EQ(qtFileFilter("All|*.*"), QStringLiteral("All (*)"));
    EXPECT_EQ(qtFileFilter(""), QString());
}

// Presses a button of the box that is about to open, from inside its own loop.
void pressLater(QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (button == QMessageBox::NoButton)
            box->close();
        else
            box->button(button)->click();
    });
}

TEST(QtDialogs, MessageBoxReturnsThePressedButton) {
    uiApp();
    QtDialogs dialogs;
    pressLater(QMessageBox::No);
    EXPECT_EQ(dialogs.messageBox(BoxKind::Confirmation, "t", "q?", {Answer::Yes, Answer::No}), Answer::No);
    pressLater(QMessageBox::Ignore);
    EXPECT_EQ(dialogs.messageBox(BoxKind::Warning, "t", "w", {Answer::Yes, Answer::Ignore}), Answer::Ignore);
    pressLater(QMessageBox::Ok);
    EXPECT_EQ(dialogs.messageBox(BoxKind::Error, "t", "e", {}), Answer::OK);
}

} // namespace
} // namespace kelvaro
