// A run of the game on a headless display, for the screen tests: the five screens created and
// the menu shown, as at start-up.
#pragma once

#include <gtest/gtest.h>

#include "MatchState.h"
#include "Screens.h"
#include "TApplication.h"
#include "TevraResources.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

struct TGameRun {
    // The scale is 1:1 unless asked for, so positions and pixels can be read in stage terms.
    explicit TGameRun(TSize display = TSize{1920, 1080}, int scaleQuarters = 4)
        : backend(display), app(backend, scaleQuarters), drive(app, backend) {
        Create();
    }
    // The scale follows the display, as in the game itself.
    TGameRun(TSize display, TApplication::TScaleRule rule)
        : backend(display), app(backend, rule), drive(app, backend) {
        Create();
    }
    void Create() {
        MatchState = TMatchState{};
        InstallTevraResources();
        CreateScreens(app);
        drive.Start();
    }
    void ClickCentre(const TControl& control) {
        const TRect device = app.Device().Map(control.BoundsRect());
        drive.Click((device.Left + device.Right) / 2, (device.Top + device.Bottom) / 2);
    }
    // START on the menu: the match begins on the box-pushing screen.
    void Start() { ClickCentre(*Form1->FreeButton1); }

    THeadlessBackend backend;
    TApplication app;
    THeadlessDriver drive;
};

// The one screen that is visible; fails the test if there are several.
inline TForm* VisibleForm() {
    TForm* const forms[] = {Form1, Form2, Form3, Form4, Form5};
    TForm* visible = nullptr;
    for (TForm* form : forms) {
        if (form->Visible()) {
            EXPECT_EQ(visible, nullptr) << "two screens are visible at once";
            visible = form;
        }
    }
    return visible;
}
