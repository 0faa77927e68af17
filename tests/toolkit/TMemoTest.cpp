// The memo and the single-line box: limits by characters, editing keys, wrapping, the caret.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TEdit.h"
#include "TFontEngine.h"
#include "TMemo.h"
#include "WindowingTestKit.h"

namespace {

TFont BoxFont() {
    TFont font;
    font.Name = "DejaVu Sans";
    font.Height = -16;
    return font;
}

// A shown form with one focused memo.
struct TMemoRun : THeadlessApp {
    TMemoRun() {
        memo = form->Add<TMemo>();
        memo->SetFont(BoxFont());
        memo->SetBounds(10, 10, 180, 60);
        Start();
        memo->SetFocus();
        drive.Pump();
    }
    TMemo* memo = nullptr;
};

TEST(Memo, MaxLengthCountsCharactersNotBytes) {
    struct Case {
        std::size_t limit;
        std::vector<std::string> typed;
        std::string expected;
    };
    const Case cases[] = {
        {5, {"äöü", "ßéx"}, "äöüßé"},       // two-byte letters: 5 characters, 10 bytes
        {3, {"日本語テキスト"}, "日本語"},  // three-byte letters, cut inside one text event
        {2, {"a", "😀", "b"}, "a😀"},         // a four-byte character counts once
        {0, {std::string(150, 'x')}, std::string(150, 'x')},  // 0 means no limit
        {4, {"abcd", "e"}, "abcd"},                           // a full box refuses more
    };
    for (const Case& c : cases) {
        TMemoRun run;
        run.memo->SetMaxLength(c.limit);
        for (const std::string& text : c.typed)
            run.drive.Text(text);
        EXPECT_EQ(run.memo->Text(), c.expected) << "limit " << c.limit;
        EXPECT_EQ(run.memo->SelStart(), run.memo->Length());
    }
}

TEST(Memo, TypedControlCharactersAreLeftOut) {
    TMemoRun run;
    run.drive.Text("a\tb\x01\r\nc\x7f");
    run.drive.Text(
        "\xc2\x85"
        "d");                // a C1 control character (NEL)
    run.drive.Text("\xff");  // a stray byte
    EXPECT_EQ(run.memo->Text(), "abcd");
}

TEST(Memo, EditingKeysActByCharacter) {
    struct Step {
        int key;
        TShiftState shift;
    };
    struct Case {
        const char* name;
        std::string start;
        std::vector<Step> keys;
        std::string typedAfter;
        std::string expected;
        std::size_t caret;
    };
    const TShiftState none = TShiftState::None;
    const Case cases[] = {
        {"backspace at the end", "abc", {{VK_BACK, none}}, "", "ab", 2},
        {"backspace a two-byte letter", "aé", {{VK_BACK, none}}, "", "a", 1},
        {"backspace at the start does nothing",
         "ab",
         {{VK_HOME, none}, {VK_BACK, none}},
         "",
         "ab",
         0},
        {"delete at the start", "abc", {{VK_HOME, none}, {VK_DELETE, none}}, "", "bc", 0},
        {"delete at the end does nothing", "abc", {{VK_DELETE, none}}, "", "abc", 3},
        {"left then type", "ac", {{VK_LEFT, none}}, "b", "abc", 2},
        {"left past the start stays", "a", {{VK_LEFT, none}, {VK_LEFT, none}}, "x", "xa", 1},
        {"right past the end stays", "ab", {{VK_RIGHT, none}}, "c", "abc", 3},
        {"home then end", "ab", {{VK_HOME, none}, {VK_END, none}}, "c", "abc", 3},
        {"left over a multibyte letter",
         "aüb",
         {{VK_LEFT, none}, {VK_LEFT, none}, {VK_DELETE, none}},
         "",
         "ab",
         1},
        {"enter inserts nothing",
         "ab",
         {{VK_RETURN, none}, {VK_RETURN, TShiftState::Shift}},
         "",
         "ab",
         2},
    };
    for (const Case& c : cases) {
        TMemoRun run;
        run.drive.Text(c.start);
        for (const Step& step : c.keys)
            run.drive.Key(step.key, step.shift);
        run.drive.Text(c.typedAfter);
        EXPECT_EQ(run.memo->Text(), c.expected) << c.name;
        EXPECT_EQ(run.memo->SelStart(), c.caret) << c.name;
    }
}

// Delete with the caret after the last character: nothing to delete, so no change is told either
// (the word screen's boxes act on every change they hear of).
TEST(TextBoxes, DeleteAtTheEndOfTheTextChangesNothing) {
    for (const std::string text : {"", "abc", "a\xc3\xa9"}) {
        TMemoRun run;
        TEdit* edit = run.form->Add<TEdit>();
        edit->SetBounds(10, 80, 180, 30);
        int changes = 0;
        run.memo->OnChange = [&](TControl*) { ++changes; };
        edit->OnChange = [&](TControl*) { ++changes; };
        for (TControl* box : {static_cast<TControl*>(run.memo), static_cast<TControl*>(edit)}) {
            box->SetFocus();
            run.drive.Text(text);
            run.drive.Key(VK_END);
            changes = 0;
            run.drive.Key(VK_DELETE);
            run.drive.KeyDown(VK_DELETE, TShiftState::None, true);
            EXPECT_EQ(changes, 0) << "'" << text << "'";
        }
        EXPECT_EQ(run.memo->Text(), text);
        EXPECT_EQ(run.memo->SelStart(), DecodeUtf8(text).size());
        EXPECT_EQ(edit->Text(), text);
    }
}

TEST(Memo, KeyRepeatActsOnEveryRepeat) {
    TMemoRun run;
    run.drive.Text("abcdef");
    run.drive.KeyDown(VK_BACK);
    for (int i = 0; i < 3; ++i)
        run.drive.KeyDown(VK_BACK, TShiftState::None, true);
    run.drive.KeyUp(VK_BACK);
    EXPECT_EQ(run.memo->Text(), "ab");
}

TEST(Memo, OnKeyDownSeesTheKeyBeforeItActsAndCanSwallowIt) {
    TMemoRun run;
    run.drive.Text("abc");
    std::vector<std::string> seen;
    run.memo->OnKeyDown = [&](TControl*, int& key, TShiftState) {
        seen.push_back(std::to_string(key) + ":" + run.memo->Text());
        if (key == VK_DELETE)
            key = 0;
    };
    run.drive.Key(VK_BACK);
    run.drive.Key(VK_RETURN);
    run.drive.Key(VK_HOME);
    run.drive.Key(VK_DELETE);  // swallowed: the first letter stays
    EXPECT_EQ(seen, (std::vector<std::string>{"8:abc", "13:ab", "36:ab", "46:ab"}));
    EXPECT_EQ(run.memo->Text(), "ab");
}

TEST(Memo, WrapsAtSpacesAndCutsOverlongWords) {
    TMemoRun run;
    const std::string text = "satu dua tiga empat lima enam tujuh delapan sembilan sepuluh";
    run.memo->SetText(text);
    const std::vector<std::string> lines = run.memo->Lines();
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(TFontEngine::Instance().TextExtent(BoxFont(), line).Width, run.memo->Width() - 4)
            << line;
        EXPECT_NE(line.front(), ' ');
        EXPECT_NE(line.back(), ' ');
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, text);

    run.memo->SetText(std::string(60, 'W'));
    std::string rejoined;
    for (const std::string& line : run.memo->Lines()) {
        EXPECT_LE(TFontEngine::Instance().TextExtent(BoxFont(), line).Width, run.memo->Width() - 4);
        rejoined += line;
    }
    EXPECT_EQ(rejoined, std::string(60, 'W'));
}

TEST(Memo, HomeAndEndFollowThePaintedLineAndCtrlTheWholeText) {
    TMemoRun run;
    run.memo->SetText("satu dua tiga empat lima enam tujuh delapan");
    const std::vector<std::string> lines = run.memo->Lines();
    ASSERT_GE(lines.size(), 2u);
    const std::size_t secondStart = lines[0].size() + 1;  // ASCII: bytes are characters
    run.memo->SetSelStart(secondStart + 2);
    run.drive.Key(VK_HOME);
    EXPECT_EQ(run.memo->SelStart(), secondStart);
    run.drive.Key(VK_END);
    EXPECT_EQ(run.memo->SelStart(), secondStart + lines[1].size());
    run.drive.Key(VK_HOME, TShiftState::Ctrl);
    EXPECT_EQ(run.memo->SelStart(), 0u);
    run.drive.Key(VK_END);
    EXPECT_EQ(run.memo->SelStart(), lines[0].size());
    run.drive.Key(VK_END, TShiftState::Ctrl);
    EXPECT_EQ(run.memo->SelStart(), run.memo->Length());

    // On a line cut inside a word, End keeps the caret at that line's end.
    run.memo->SetText(std::string(40, 'W'));
    run.memo->SetSelStart(0);
    run.drive.Key(VK_END);
    const std::size_t firstLine = run.memo->Lines()[0].size();
    EXPECT_EQ(run.memo->SelStart(), firstLine);
    EXPECT_EQ(run.memo->CaretRect().Top, TMemo::Inset);
}

TEST(Memo, ContextMenuRequestsAreHandledWithoutAnyEffect) {
    TMemoRun run;
    run.drive.Text("ab");
    EXPECT_TRUE(run.memo->ContextPopup());
    run.drive.Click(50, 30, TMouseButton::Right);
    run.drive.Key(VK_APPS);
    EXPECT_EQ(run.memo->Text(), "ab");
    EXPECT_TRUE(run.memo->Focused());
}

TEST(Memo, CaretBlinksWhileFocusedAndStopsWhenTheFormIsHidden) {
    TMemoRun run;
    auto caretPixel = [&] {
        const TRect caret = run.memo->CaretRect().Offset(run.memo->Left(), run.memo->Top());
        return run.drive.Screen().Pixel(caret.Left, caret.Top + caret.Height() / 2);
    };
    EXPECT_TRUE(run.memo->CaretShown());
    EXPECT_EQ(caretPixel(), clBlack);
    run.drive.Advance(TCaretBlink::PeriodMs);
    EXPECT_FALSE(run.memo->CaretShown());
    EXPECT_EQ(caretPixel(), clWhite);
    run.drive.Advance(TCaretBlink::PeriodMs - 1);
    run.drive.Text("a");  // typing shows the caret at once and for a whole period
    EXPECT_TRUE(run.memo->CaretShown());
    run.drive.Advance(TCaretBlink::PeriodMs - 1);
    EXPECT_TRUE(run.memo->CaretShown());
    run.drive.Advance(1);
    EXPECT_FALSE(run.memo->CaretShown());

    run.form->Hide();
    run.drive.Advance(TCaretBlink::PeriodMs);
    EXPECT_FALSE(run.app.NextTimerDue().has_value()) << "the caret keeps waking a hidden form";
}

TEST(Edit, ZeroWidthBoxPaintsNothingButTakesFocusKeysAndText) {
    THeadlessApp run;
    TEdit* edit = run.form->Add<TEdit>();
    edit->SetFont(BoxFont());
    edit->SetBounds(20, 20, 0, 30);
    edit->SetMaxLength(3);
    int keys = 0;
    edit->OnKeyDown = [&](TControl*, int&, TShiftState) { ++keys; };
    run.Start();
    const TBitmap before = run.drive.Screen();
    edit->SetFocus();
    run.drive.Text("kucing");
    run.drive.Key(VK_LEFT);
    run.drive.Key(VK_BACK);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(edit->Text(), "kc");
    EXPECT_TRUE(run.drive.Screen() == before);
    edit->Clear();
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(edit->SelStart(), 0u);
}

TEST(Edit, WideBoxShowsTheTextAndKeepsTheCaretInside) {
    THeadlessApp run;
    TEdit* edit = run.form->Add<TEdit>();
    edit->SetFont(BoxFont());
    edit->SetBounds(10, 10, 60, 24);
    run.Start();
    edit->SetFocus();
    run.drive.Text("panjang sekali teksnya");
    const TBitmap& screen = run.drive.Screen();
    int dark = 0;
    for (int x = 10; x < 70; ++x) {
        for (int y = 10; y < 34; ++y)
            dark += GetRValue(screen.Pixel(x, y)) < 80 ? 1 : 0;
    }
    EXPECT_GT(dark, 20);
    // The caret stands inside the box, at its right edge.
    bool caretSeen = false;
    for (int x = 60; x < 70; ++x)
        caretSeen = caretSeen || screen.Pixel(x, 22) == clBlack;
    EXPECT_TRUE(caretSeen);
}

}  // namespace
