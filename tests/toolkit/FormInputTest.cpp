// Routing of input: the message filter, focus, keys, text, hover, capture, clicks and close.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "WindowingTestKit.h"

namespace {

using TLog = std::vector<std::string>;

// Two controls side by side: "a" at (10,10)-(60,40), "b" at (100,10)-(150,40).
struct TTwoControls : THeadlessApp {
    TTwoControls() {
        a = form->Add<TLogControl>(&log, true);
        a->Name = "a";
        a->SetBounds(10, 10, 50, 30);
        b = form->Add<TLogControl>(&log, true, true);
        b->Name = "b";
        b->SetBounds(100, 10, 50, 30);
        Start();
    }
    TLog log;
    TLogControl* a = nullptr;
    TLogControl* b = nullptr;
};

TEST(MessageFilter, SeesEveryMessageFirstAndDiscardsOnlyWhatItHandles) {
    TTwoControls run;
    std::vector<std::uint32_t> seen;
    run.app.OnMessage = [&](TMessage& message, bool& handled) {
        seen.push_back(message.Msg);
        handled = message.Msg == WM_RBUTTONDOWN;
    };
    TTimer* timer = run.form->AddTimer(100);
    timer->SetEnabled(true);
    run.drive.Press(20, 20, TMouseButton::Right);
    run.drive.Release(20, 20, TMouseButton::Right);
    run.drive.Press(20, 20, TMouseButton::Right, 2);
    run.drive.Advance(100);
    run.drive.Close();
    const std::vector<std::uint32_t> expected = {516, 517, 518, WM_TIMER, WM_CLOSE};
    EXPECT_EQ(seen, expected);
    // The press never reached the control (no popup); release and double click did.
    EXPECT_EQ(run.log, (TLog{"a:enter", "a:rup", "a:rdown2"}));
    EXPECT_TRUE(run.app.Terminated());
}

TEST(MessageFilter, AHandledTickOrCloseIsDiscarded) {
    TTwoControls run;
    int ticks = 0;
    run.app.OnMessage = [](TMessage& message, bool& handled) {
        handled = message.Msg == WM_TIMER || message.Msg == WM_CLOSE;
    };
    TTimer* timer = run.form->AddTimer(100);
    timer->OnTimer = [&] { ++ticks; };
    timer->SetEnabled(true);
    run.drive.Advance(1000);
    run.drive.Close();
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(run.app.Terminated());
}

TEST(MessageFilter, RightPressWithoutFilterAsksTheControlForItsMenu) {
    TTwoControls run;
    run.drive.Press(20, 20, TMouseButton::Right);
    EXPECT_EQ(run.log, (TLog{"a:enter", "a:rdown", "a:popup"}));
}

TEST(Focus, OnlyVisibleEnabledControlsThatAcceptItGetTheFocus) {
    struct Case {
        const char* what;
        bool accepts;
        std::function<void(TControl&)> setUp;
        bool expected;
    };
    const Case cases[] = {
        {"focusable", true, [](TControl&) {}, true},
        {"zero width still focusable", true, [](TControl& c) { c.SetWidth(0); }, true},
        {"does not accept focus", false, [](TControl&) {}, false},
        {"hidden", true, [](TControl& c) { c.Hide(); }, false},
        {"disabled", true, [](TControl& c) { c.SetEnabled(false); }, false},
    };
    for (const Case& c : cases) {
        THeadlessApp run;
        TLog log;
        TLogControl* control = run.form->Add<TLogControl>(&log, c.accepts);
        c.setUp(*control);
        EXPECT_EQ(run.form->FocusControl(control), c.expected) << c.what;
        EXPECT_EQ(control->Focused(), c.expected) << c.what;
    }
}

TEST(Focus, HidingOrDisablingTheFocusedControlDropsTheFocusAndTextInput) {
    const std::function<void(TControl&)> losses[] = {[](TControl& c) { c.Hide(); },
                                                     [](TControl& c) { c.SetEnabled(false); }};
    for (const auto& lose : losses) {
        TTwoControls run;
        ASSERT_TRUE(run.form->FocusControl(run.b));
        EXPECT_TRUE(run.backend.TextInputEnabled());
        lose(*run.b);
        EXPECT_EQ(run.form->ActiveControl(), nullptr);
        EXPECT_FALSE(run.backend.TextInputEnabled());
    }
}

TEST(Focus, TextInputFollowsTheFocusedControl) {
    TTwoControls run;
    EXPECT_FALSE(run.backend.TextInputEnabled());
    run.b->SetFocus();
    EXPECT_TRUE(run.backend.TextInputEnabled());
    run.drive.Click(20, 20);  // a takes the focus on press and wants no text
    EXPECT_TRUE(run.a->Focused());
    EXPECT_FALSE(run.backend.TextInputEnabled());
}

TEST(Keyboard, KeysAndTextGoToTheFocusedControlOrElseToTheForm) {
    TTwoControls run;
    run.drive.Key(VK_LEFT);
    run.drive.Text("x");  // no focused control: nobody takes text
    EXPECT_EQ(run.form->Log, (TLog{"form-key 37"}));
    run.b->SetFocus();
    run.drive.Key('A');
    run.drive.Text("\xC3\xA9");
    EXPECT_EQ(run.log, (TLog{"b:key 65", "b:text \xC3\xA9"}));
    EXPECT_EQ(run.form->Log.size(), 1u);
}

TEST(Mouse, HoverCaptureAndClickSequences) {
    using TStep = std::function<void(THeadlessDriver&)>;
    struct Case {
        const char* what;
        std::vector<TStep> steps;
        TLog expected;
    };
    const auto move = [](int x, int y) {
        return TStep([=](THeadlessDriver& d) { d.MoveMouse(x, y); });
    };
    const auto press = [](int x, int y) {
        return TStep([=](THeadlessDriver& d) { d.Press(x, y); });
    };
    const auto release = [](int x, int y) {
        return TStep([=](THeadlessDriver& d) { d.Release(x, y); });
    };
    const Case cases[] = {
        {"click inside",
         {[](THeadlessDriver& d) { d.Click(20, 20); }},
         {"a:enter", "a:down", "a:up", "a:click"}},
        {"press, leave, release outside",
         {move(20, 20), press(20, 20), move(80, 20), release(80, 20)},
         {"a:enter", "a:down", "a:leave", "a:up"}},
        {"press, leave, come back, release",
         {press(20, 20), move(80, 20), move(30, 30), release(30, 30)},
         {"a:enter", "a:down", "a:leave", "a:enter", "a:up", "a:click"}},
        {"press on a, release on b: both hear the release, neither clicks",
         {press(20, 20), move(120, 20), release(120, 20)},
         {"a:enter", "a:down", "a:leave", "b:enter", "a:up", "b:up"}},
        {"double click",
         {[](THeadlessDriver& d) { d.DoubleClick(20, 20); }},
         {"a:enter", "a:down", "a:up", "a:click", "a:down2", "a:dbl", "a:up"}},
        {"pointer leaves the window",
         {move(20, 20), [](THeadlessDriver& d) { d.LeaveWindow(); }},
         {"a:enter", "a:leave"}},
    };
    for (const Case& c : cases) {
        TTwoControls run;
        for (const TStep& step : c.steps)
            step(run.drive);
        EXPECT_EQ(run.log, c.expected) << c.what;
        EXPECT_TRUE(run.form->Log.empty()) << c.what;
    }
}

TEST(Mouse, ClicksOnNoControlOrADisabledOneAreFormClicks) {
    struct Case {
        const char* what;
        TPoint press, release;
        bool disableA;
        TLog formLog;
    };
    const Case cases[] = {
        {"empty surface", {80, 100}, {80, 100}, false, {"form-click"}},
        {"moved on the surface", {80, 100}, {5, 140}, false, {"form-click"}},
        {"released on a control", {80, 100}, {20, 20}, false, {}},
        {"disabled control", {20, 20}, {20, 20}, true, {"form-click"}},
    };
    for (const Case& c : cases) {
        TTwoControls run;
        run.a->SetEnabled(!c.disableA);
        run.drive.Press(c.press.X, c.press.Y);
        run.drive.Release(c.release.X, c.release.Y);
        EXPECT_EQ(run.form->Log, c.formLog) << c.what;
        if (c.disableA) {
            EXPECT_TRUE(run.log.empty()) << c.what;
        }
    }
}

TEST(Mouse, HidingTheCapturedControlEndsTheCaptureAndItsHover) {
    TTwoControls run;
    run.drive.Press(20, 20);
    run.a->Hide();
    run.drive.Release(20, 20);
    EXPECT_EQ(run.log, (TLog{"a:enter", "a:down", "a:leave"}));
    EXPECT_EQ(run.form->Captured(), nullptr);
}

TEST(Forms, ShowActivatesHandsOverAndCloseEndsTheApplication) {
    THeadlessApp run;
    TLogForm* second = run.app.CreateForm<TLogForm>();
    EXPECT_EQ(run.app.MainForm(), run.form);
    run.Start();
    EXPECT_EQ(run.app.ActiveForm(), run.form);
    EXPECT_EQ(run.form->Activations, 1);
    run.form->Show();  // already the active one: no second activation
    EXPECT_EQ(run.form->Activations, 1);
    run.form->Hide();
    second->Show();
    EXPECT_EQ(run.app.ActiveForm(), second);
    EXPECT_EQ(second->Activations, 1);
    run.drive.Key(VK_ESCAPE);
    EXPECT_EQ(second->Log, (TLog{"form-key 27"}));
    EXPECT_TRUE(run.form->Log.empty());
    run.drive.Close();
    EXPECT_TRUE(run.app.Terminated());
}

TEST(Forms, DestructionRunsEveryFormDestroyInCreationOrderWhileAllStillExist) {
    std::vector<std::string> order;
    struct TDestroyForm : TForm {
        TDestroyForm(TApplication& app, std::vector<std::string>* order, std::string name)
            : TForm(app), order_(order), name_(std::move(name)) {}
        void FormDestroy() override {
            order_->push_back(name_ + " sees " + std::to_string(Application().Forms().size()));
        }
        ~TDestroyForm() override { order_->push_back("~" + name_); }
        std::vector<std::string>* order_;
        std::string name_;
    };
    {
        THeadlessBackend backend;
        TApplication app(backend);
        app.CreateForm<TDestroyForm>(&order, "one");
        app.CreateForm<TDestroyForm>(&order, "two");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"one sees 2", "two sees 2", "~one", "~two"}));
}

}  // namespace
