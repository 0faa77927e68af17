// Mouse sequences through the headless form: looks, immediate repaints, clicks and the light.
#include <gtest/gtest.h>

#include "FreeButtonTestKit.h"

namespace {

// START at (100, 100) on a shown form, with its clicks counted.
struct TMouseFixture : ::testing::Test {
    TButtonHarness H;
    TCountingButton* Button = AddStartButton(H, 100, 100);
    int Clicks = 0;
    int DoubleClicks = 0;
    std::vector<TMouseState> LookAtClick;

    void SetUp() override {
        Button->OnClick = [this](TControl*) {
            ++Clicks;
            LookAtClick.push_back(Button->MouseState());
        };
        Button->OnDblClick = [this](TControl*) { ++DoubleClicks; };
        H.Driver.Start();
        H.Driver.MoveMouse(10, 10);
    }
};

using TLooks = std::vector<TMouseState>;

}  // namespace

TEST_F(TMouseFixture, EnterAndLeaveRepaintAtOnceAndShowOnScreen) {
    H.Driver.MoveMouse(150, 120);
    EXPECT_EQ(Button->MouseState(), msHover);
    EXPECT_EQ(Rgb(H.Driver.Screen().Pixel(112, 123)), Rgb(RGB(63, 167, 111)));
    H.Driver.MoveMouse(160, 125);  // moving inside changes nothing
    H.Driver.MoveMouse(10, 10);
    EXPECT_EQ(Button->MouseState(), msNormal);
    EXPECT_EQ(Rgb(H.Driver.Screen().Pixel(112, 125)), Rgb(RGB(48, 152, 96)));
    EXPECT_EQ(Button->ImmediatePaints, (TLooks{msHover, msNormal}));
}

TEST_F(TMouseFixture, ClickRunsOnClickWhilePressedThenHoversAndFlipsTheLight) {
    H.Driver.Click(150, 120);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(LookAtClick, TLooks{msPressed});
    EXPECT_EQ(Button->MouseState(), msHover);
    EXPECT_TRUE(Button->LightOn());
    EXPECT_EQ(Button->ImmediatePaints, (TLooks{msHover, msPressed, msHover}));
    // The bright light shows on screen in the hover look: face (236, 36) is inside the triangle.
    EXPECT_EQ(Rgb(H.Driver.Screen().Pixel(336, 136)), Rgb(RGB(88, 192, 136)));
}

TEST_F(TMouseFixture, ReleaseOutsideGivesNoClickButStillHoversAndFlips) {
    H.Driver.MoveMouse(150, 120);
    H.Driver.Press(150, 120);
    EXPECT_EQ(Button->MouseState(), msPressed);
    H.Driver.MoveMouse(10, 10);
    H.Driver.Release(10, 10);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Button->MouseState(), msHover);
    EXPECT_TRUE(Button->LightOn());
}

// The light flips at every release over the button, wherever the press began: on the form's
// empty ground or on another control, which keeps the capture and hears its own release.
TEST_F(TMouseFixture, ReleaseOverTheButtonAfterAPressElsewhereFlipsTheLightWithoutAClick) {
    TCountingButton* other = AddStartButton(H, 100, 300);
    int otherClicks = 0;
    other->OnClick = [&otherClicks](TControl*) { ++otherClicks; };
    struct Case {
        const char* what;
        int pressX, pressY;
    } const cases[] = {{"press on the ground", 10, 10}, {"press on another button", 150, 320}};
    bool light = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        H.Driver.MoveMouse(c.pressX, c.pressY);
        H.Driver.Press(c.pressX, c.pressY);
        H.Driver.MoveMouse(150, 120);
        H.Driver.Release(150, 120);
        light = !light;
        EXPECT_EQ(Button->LightOn(), light);
        EXPECT_EQ(Button->MouseState(), msHover);
        EXPECT_EQ(Clicks, 0);
    }
    EXPECT_EQ(otherClicks, 0);
    EXPECT_TRUE(other->LightOn()) << "the button that took the press flips at its release too";
}

TEST_F(TMouseFixture, ThreeClicksLeaveTheLightOnUnlessDrawLightIsOff) {
    for (int i = 0; i < 3; ++i)
        H.Driver.Click(150, 120);
    EXPECT_EQ(Clicks, 3);
    EXPECT_TRUE(Button->LightOn());

    Button->SetDrawLight(false);
    for (int i = 0; i < 3; ++i)
        H.Driver.Click(150, 120);
    EXPECT_TRUE(Button->LightOn()) << "DrawLight off keeps the light as it was";
    Button->SetDrawLight(true);
    H.Driver.Click(150, 120);
    EXPECT_FALSE(Button->LightOn());
}

TEST_F(TMouseFixture, DoubleClickIsOneClickAndOneDoubleClickWithoutSecondPressedLook) {
    H.Driver.DoubleClick(150, 120);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(DoubleClicks, 1);
    EXPECT_FALSE(Button->LightOn()) << "each release flips the light";
    EXPECT_EQ(Button->MouseState(), msHover);
    EXPECT_EQ(Button->ImmediatePaints, (TLooks{msHover, msPressed, msHover, msHover}));
}

TEST_F(TMouseFixture, OtherButtonsLeaveTheLookAlone) {
    H.Driver.MoveMouse(150, 120);
    H.Driver.Click(150, 120, TMouseButton::Right);
    H.Driver.Click(150, 120, TMouseButton::Middle);
    EXPECT_EQ(Button->MouseState(), msHover);
    EXPECT_FALSE(Button->LightOn());
    EXPECT_EQ(Clicks, 0);
}

TEST_F(TMouseFixture, HiddenButtonOrFormChangesStateWithoutRepaintingNow) {
    // A click handler that hides the screen: the release still flips the light and hovers, but
    // nothing is painted on a hidden form.
    Button->OnClick = [this](TControl*) { H.Form->Hide(); };
    H.Driver.Click(150, 120);
    EXPECT_EQ(Button->ImmediatePaints, (TLooks{msHover, msPressed}));
    EXPECT_EQ(Button->MouseState(), msHover);
    EXPECT_TRUE(Button->LightOn());

    Button->MouseLeave();
    EXPECT_EQ(Button->MouseState(), msNormal);
    H.Form->Show();
    Button->Hide();
    Button->MouseEnter();
    EXPECT_EQ(Button->MouseState(), msHover);
    EXPECT_EQ(Button->ImmediatePaints.size(), 2u);
}
