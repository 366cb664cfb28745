// The window model: what a user action runs, what a program write runs.
#include "framework/application.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

struct Model : ::testing::Test {
    FakeClock clock;
    FakeDialogs dialogs;
    std::unique_ptr<Application> app;
    std::vector<std::string> calls;

    void SetUp() override {
        Platform p;
        p.clock = &clock;
        p.dialogs = &dialogs;
        app = std::make_unique<Application>(p, LocaleInfo::enUS(), "/tmp/k", std::vector<std::string>{});
        Form& f = app->addForm("Main");
        f.add("Box", ControlKind::CheckBox).handlers[Event::Click] = "BoxClick";
        for (const char* r : {"R1", "R2"}) {
            Control& c = f.add(r, ControlKind::RadioButton);
            c.group = "g";
            c.handlers[Event::Click] = std::string(r) + "Click";
        }
        for (const char* m : {"M1", "M2", "M3"}) {
            Control& c = f.add(m, ControlKind::MenuItem);
            c.group = "menu";
            c.handlers[Event::Click] = std::string(m) + "Click";
        }
        Control& edit = f.add("Edit", ControlKind::Edit);
        edit.handlers[Event::KeyPress] = "EditKeyPress";
        edit.handlers[Event::Change] = "EditChange";
        f.handlers[Event::KeyDown] = "FormKeyDown";
        for (const char* op :
             {"BoxClick", "R1Click", "R2Click", "M1Click", "M2Click", "M3Click", "EditChange", "FormKeyDown"})
            app->defineOperation(op, [this, op] { calls.push_back(op); });
        app->defineOperation("EditKeyPress", [this] {
            calls.push_back("EditKeyPress");
            if (app->currentKey()->key == "x") app->currentKey()->suppressed = true;
        });
    }
};

TEST_F(Model, CheckBoxWrittenByTheProgramRunsItsClickOnlyWhenTheStateChanges) {
    app->setChecked("Box", false);
    EXPECT_TRUE(calls.empty());
    app->setChecked("Box", true);
    app->setChecked("Box", true);
    EXPECT_EQ(calls, std::vector<std::string>{"BoxClick"});
}

TEST_F(Model, RadioButtonRunsItsClickWhenItBecomesCheckedAndClearsItsGroup) {
    app->setChecked("R1", true);
    app->userClick("R2");
    app->userClick("R2"); // already checked: nothing
    EXPECT_EQ(calls, (std::vector<std::string>{"R1Click", "R2Click"}));
    EXPECT_FALSE(app->ctl("R1").checked);
    EXPECT_TRUE(app->ctl("R2").checked);
}

TEST_F(Model, RadioMenuItemWrittenByTheProgramClearsItsGroupAndRunsNothing) {
    app->setChecked("M1", true);
    app->setChecked("M3", true);
    EXPECT_FALSE(app->ctl("M1").checked);
    EXPECT_TRUE(app->ctl("M3").checked);
    // Clearing a mark also clears the rest of the group.
    app->ctl("M2").checked = true;
    app->setChecked("M3", false);
    EXPECT_FALSE(app->ctl("M2").checked);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Model, UserClickOnMenuItemOnlyRunsItsHandler) {
    app->userClick("M2");
    EXPECT_FALSE(app->ctl("M2").checked);
    EXPECT_EQ(calls, std::vector<std::string>{"M2Click"});
}

TEST_F(Model, KeyGoesThroughThePreviewThenTheFocusedControlAndMaySwallowTheCharacter) {
    app->userFocus("Edit");
    app->userKey("a");
    app->userKey("x");
    EXPECT_EQ(app->ctl("Edit").text, "a");
    EXPECT_EQ(calls, (std::vector<std::string>{"FormKeyDown", "EditKeyPress", "EditChange", "FormKeyDown",
                                               "EditKeyPress"}));
}

TEST_F(Model, DisabledControlCannotBeUsed) {
    app->ctl("Box").enabled = false;
    EXPECT_THROW(app->userClick("Box"), ScriptError);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Model, ModalWindowRunsWhatFollowsWhenItCloses) {
    app->addForm("Dialog");
    bool after = false;
    app->showModal("Dialog", [&] { after = true; });
    EXPECT_TRUE(app->form("Dialog").visible);
    EXPECT_FALSE(after);
    app->closeForm("Dialog");
    EXPECT_TRUE(after);
    EXPECT_FALSE(app->form("Dialog").visible);
}

TEST_F(Model, ErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    app->defineOperation("Broken", [] { throw std::runtime_error("'x' is not a valid integer value"); });
    app->guarded([&] { app->run("Broken"); });
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(dialogs.boxes()[0].text, "'x' is not a valid integer value");
}

} // namespace
