// The rich-text box: colour ranges by character, their runs, wrapping, and the painted colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TFontEngine.h"
#include "TRichEdit.h"
#include "WindowingTestKit.h"

namespace {

TFont BoxFont() {
    TFont font;
    font.Name = "DejaVu Sans";
    font.Height = -20;
    return font;
}

TEST(RichEdit, RangeColoursCountCharactersAndStayInsideTheText) {
    struct Range {
        std::size_t start, length;
        TColor color;
    };
    struct Case {
        const char* name;
        std::string text;
        std::vector<Range> ranges;
        std::vector<TColorRun> expected;
    };
    const TColor red = 255;
    const Case cases[] = {
        {"one word", "abu biru", {{4, 4, red}}, {{0, 4, clBlack}, {4, 4, red}}},
        {"after two-byte letters", "éé ab", {{3, 2, red}}, {{0, 3, clBlack}, {3, 2, red}}},
        {"past the end is cut", "abc", {{1, 50, red}}, {{0, 1, clBlack}, {1, 2, red}}},
        {"beyond the text does nothing", "abc", {{3, 2, red}}, {{0, 3, clBlack}}},
        {"empty range", "abc", {{1, 0, red}}, {{0, 3, clBlack}}},
        {"black again",
         "abcd",
         {{0, 4, red}, {1, 2, clBlack}},
         {{0, 1, red}, {1, 2, clBlack}, {3, 1, red}}},
    };
    for (const Case& c : cases) {
        THeadlessApp run;
        TRichEdit* box = run.form->Add<TRichEdit>();
        box->SetText(c.text);
        for (const Range& r : c.ranges)
            box->SetRangeColor(r.start, r.length, r.color);
        EXPECT_EQ(box->ColorRuns(), c.expected) << c.name;
    }
}

TEST(RichEdit, SelectionColoursAndNewTextStartsInTheFontColour) {
    THeadlessApp run;
    TRichEdit* box = run.form->Add<TRichEdit>();
    box->SetText("satu dua");
    box->SetSelStart(5);
    box->SetSelLength(3);
    box->SetSelColor(255);
    EXPECT_EQ(box->ColorAt(4), clBlack);
    EXPECT_EQ(box->ColorAt(5), 255u);
    box->Clear();
    box->SetText("satu dua");
    EXPECT_EQ(box->ColorRuns(), (std::vector<TColorRun>{{0, 8, clBlack}}));
    EXPECT_EQ(box->SelLength(), 0u);
}

TEST(RichEdit, WrapsAtSpacesWithinItsWidth) {
    THeadlessApp run;
    TRichEdit* box = run.form->Add<TRichEdit>();
    box->SetFont(BoxFont());
    box->SetBounds(0, 0, 150, 100);
    box->SetText("Macan adalah anggota terbesar dalam keluarga kucing ");
    const std::vector<std::string> lines = box->WrappedLines();
    ASSERT_GT(lines.size(), 2u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(TFontEngine::Instance().TextExtent(BoxFont(), line).Width, 150 - 4);
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, box->Text());
    EXPECT_EQ(box->Lines(), std::vector<std::string>{box->Text()});
}

bool Reddish(TColor c) {
    return GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110;
}
bool Dark(TColor c) {
    return GetRValue(c) < 110 && GetGValue(c) < 110 && GetBValue(c) < 110;
}

TEST(RichEdit, PaintsEachRunInItsColourOnAWhiteGround) {
    THeadlessApp run;
    TRichEdit* box = run.form->Add<TRichEdit>();
    box->SetFont(BoxFont());
    box->SetBounds(5, 5, 190, 40);
    box->SetEnabled(false);  // a disabled box still shows its colours
    box->SetText("merah hitam");
    box->SetRangeColor(0, 5, 255);
    run.Start();

    const TBitmap& screen = run.drive.Screen();
    const int redEnd =
        5 + TRichEdit::Inset + TFontEngine::Instance().TextExtent(BoxFont(), "merah").Width;
    const int blackStart =
        5 + TRichEdit::Inset + TFontEngine::Instance().TextExtent(BoxFont(), "merah ").Width;
    int red = 0, dark = 0, redInBlack = 0, darkInRed = 0;
    for (int y = 5; y < 45; ++y) {
        for (int x = 5; x < 195; ++x) {
            const TColor c = screen.Pixel(x, y);
            if (x < redEnd) {
                red += Reddish(c);
                darkInRed += Dark(c);
            } else if (x >= blackStart) {
                dark += Dark(c);
                redInBlack += Reddish(c);
            }
        }
    }
    EXPECT_GT(red, 30);
    EXPECT_GT(dark, 30);
    EXPECT_EQ(darkInRed, 0);
    EXPECT_EQ(redInBlack, 0);
    EXPECT_EQ(screen.Pixel(190, 40), clWhite);
}

}  // namespace
