// Shared pieces of the windowing tests: a headless app with one form, and a control that logs.
#pragma once

#include <string>
#include <vector>

#include "TApplication.h"
#include "TControl.h"
#include "TForm.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

// A form that counts its own handlers.
class TLogForm : public TForm {
  public:
    using TForm::TForm;
    void FormActivate() override { ++Activations; }
    void FormClick() override { Log.push_back("form-click"); }
    void FormKeyDown(int& key, TShiftState) override {
        Log.push_back("form-key " + std::to_string(key));
    }
    int Activations = 0;
    std::vector<std::string> Log;
};

// A control that writes every notification into a shared log.
class TLogControl : public TControl {
  public:
    TLogControl(TForm* form, std::vector<std::string>* log, bool focusable = false,
                bool wantsText = false)
        : TControl(form), log_(log), focusable_(focusable), wantsText_(wantsText) {
        OnClick = [this](TControl*) { Write("click"); };
        OnDblClick = [this](TControl*) { Write("dbl"); };
        OnKeyDown = [this](TControl*, int& key, TShiftState) {
            Write("key " + std::to_string(key));
        };
    }
    bool AcceptsFocus() const override { return focusable_; }
    bool WantsTextInput() const override { return wantsText_; }
    void MouseEnter() override { Write("enter"); }
    void MouseLeave() override { Write("leave"); }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y, TClickKind k) override {
        Write(std::string(b == TMouseButton::Right ? "rdown" : "down") +
              (k == TClickKind::Double ? "2" : ""));
        TControl::MouseDown(b, s, x, y, k);
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
        Write(b == TMouseButton::Right ? "rup" : "up");
        TControl::MouseUp(b, s, x, y);
    }
    void TextInput(const std::string& utf8) override { Write("text " + utf8); }
    bool ContextPopup() override {
        Write("popup");
        return true;
    }

  private:
    void Write(const std::string& what) { log_->push_back(Name + ":" + what); }
    std::vector<std::string>* log_;
    bool focusable_;
    bool wantsText_;
};

// A 200 x 150 display with one form, shown.
struct THeadlessApp {
    THeadlessApp() : backend(TSize{200, 150}), app(backend), drive(app, backend) {
        form = app.CreateForm<TLogForm>();
    }
    void Start() { drive.Start(); }

    THeadlessBackend backend;
    TApplication app;
    THeadlessDriver drive;
    TLogForm* form = nullptr;
};
