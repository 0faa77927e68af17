// The button's colour model, defaults and property writes.
#include <functional>

#include <gtest/gtest.h>

#include "FreeButtonTestKit.h"
#include "SysColors.h"

TEST(FreeButtonColours, ShadeClampsEachChannelWithoutWrapping) {
    struct TCase {
        TColor In;
        int Amount;
        TShade Direction;
        TColor Out;
    };
    const TCase cases[] = {
        {RGB(250, 10, 0), 20, TShade::Lighten, RGB(255, 30, 20)},
        {RGB(250, 10, 0), 20, TShade::Darken, RGB(230, 0, 0)},
        {RGB(48, 152, 96), 20, TShade::Lighten, RGB(68, 172, 116)},
        {RGB(48, 152, 96), 40, TShade::Darken, RGB(8, 112, 56)},
        {RGB(236, 233, 216), 100, TShade::Darken, RGB(136, 133, 116)},
        // The high byte is dropped, so a shaded system reference is a plain colour.
        {0xFF000000u | RGB(1, 2, 3), 0, TShade::Lighten, RGB(1, 2, 3)},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Rgb(ShadeColor(c.In, c.Amount, c.Direction)), Rgb(c.Out))
            << Rgb(c.In) << " by " << c.Amount;
        EXPECT_EQ(ShadeColor(c.In, c.Amount, c.Direction) >> 24, 0u);
    }
}

TEST(FreeButtonColours, SchemesGiveTheirFaceColours) {
    // The colour values as decimal numbers, red in the low byte.
    const TColor faces[] = {3097935, 4290439, 37064,    3956766, 6330416, 9358427,
                            5195055, 7299138, 10322014, 6302750, 9982000, 13401691,
                            5189445, 7291488, 10313353, 3939936, 6303896, 9329612};
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(Rgb(SchemeColor(static_cast<TCustomColor>(i))), Rgb(faces[i]))
            << CustomColorName(static_cast<TCustomColor>(i));
    }
    EXPECT_EQ(SchemeColor(ccEmerald), RGB(48, 152, 96));
}

TEST(FreeButtonColours, ColourWritesResolveSystemReferences) {
    TButtonHarness h;
    TCountingButton* b = h.AddButton(0, 0, 83, 31);
    const TColor face = GetSysColor(COLOR_BTNFACE);
    ASSERT_EQ(ResolveColor(SysColorRef(15)), face);
    ASSERT_EQ(face >> 24, 0u);
    const TColor index25 = 0xFF000019u;
    EXPECT_EQ(ResolveColor(index25), index25);

    using TSetter = std::function<void(TColor)>;
    using TGetter = std::function<TColor()>;
    const std::pair<TSetter, TGetter> properties[] = {
        {[b](TColor c) { b->SetDrawColor(c); }, [b] { return b->DrawColor(); }},
        {[b](TColor c) { b->SetLightColor(c); }, [b] { return b->LightColor(); }},
        {[b](TColor c) { b->SetBackColor(c); }, [b] { return b->BackColor(); }},
    };
    for (const auto& property : properties) {
        property.first(SysColorRef(COLOR_BTNFACE));
        EXPECT_EQ(property.second(), face);
        property.first(index25);
        EXPECT_EQ(property.second(), index25);
        property.first(RGB(9, 8, 7));
        EXPECT_EQ(property.second(), RGB(9, 8, 7));
    }
}

TEST(FreeButtonColours, FaceAndLightFollowSchemeAndAutoLight) {
    TButtonHarness h;
    TCountingButton* b = h.AddButton(0, 0, 83, 31);
    b->SetDrawColor(RGB(1, 2, 3));
    b->SetLightColor(RGB(200, 0, 0));
    EXPECT_EQ(Rgb(b->FaceColor()), Rgb(RGB(1, 2, 3)));
    EXPECT_EQ(Rgb(b->ActiveLightColor()), Rgb(RGB(21, 22, 23)));

    b->SetCustomColor(ccEmerald);
    EXPECT_EQ(Rgb(b->FaceColor()), Rgb(RGB(48, 152, 96)));
    EXPECT_EQ(Rgb(b->ActiveLightColor()), Rgb(RGB(68, 172, 116)));
    b->SetAutoLightColor(false);
    EXPECT_EQ(Rgb(b->ActiveLightColor()), Rgb(RGB(200, 0, 0)));
}

TEST(FreeButtonDefaults, NewButtonMatchesItsDesign) {
    TButtonHarness h;
    TFreeButton* b = h.Form->Add<TFreeButton>();
    EXPECT_EQ(b->Width(), 83);
    EXPECT_EQ(b->Height(), 31);
    EXPECT_EQ(Rgb(b->DrawColor()), Rgb(4473924));
    EXPECT_EQ(Rgb(b->FaceColor()), Rgb(RGB(68, 68, 68)));
    EXPECT_EQ(Rgb(b->LightColor()), Rgb(8978312));
    EXPECT_EQ(b->BackColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(b->Caption(), "");
    EXPECT_EQ(b->Font().Name, "Verdana");
    EXPECT_EQ(b->Font().Size(), 10);
    EXPECT_EQ(b->Font().Height, -13);
    EXPECT_EQ(Rgb(b->Font().Color), Rgb(clWhite));
    EXPECT_EQ(b->Font().Style, TFontStyle::None);
    EXPECT_EQ(b->TextPosition(), tpMiddleCenter);
    EXPECT_EQ(b->GlyphPosition(), gpTopCenter);
    EXPECT_TRUE(b->Glyph().Empty());
    EXPECT_TRUE(b->TransparentGlyph());
    EXPECT_TRUE(b->DrawDropShadow());
    EXPECT_TRUE(b->DrawLight());
    EXPECT_TRUE(b->AutoLightColor());
    EXPECT_EQ(b->LightSize(), 8);
    EXPECT_EQ(b->CustomColor(), ccNone);
    EXPECT_EQ(b->MouseState(), msNormal);
    EXPECT_FALSE(b->LightOn());
}

TEST(FreeButtonProperties, EveryWriteRequestsARepaintEvenOfTheSameValue) {
    TButtonHarness h;
    TCountingButton* b = h.AddButton(0, 0, 83, 31);
    const TBitmap glyph(3, 3, clRed);
    const std::pair<const char*, std::function<void()>> writes[] = {
        {"DrawColor", [&] { b->SetDrawColor(b->DrawColor()); }},
        {"LightColor", [&] { b->SetLightColor(b->LightColor()); }},
        {"BackColor", [&] { b->SetBackColor(b->BackColor()); }},
        {"CustomColor", [&] { b->SetCustomColor(ccRuby); }},
        {"Caption", [&] { b->SetCaption("OK"); }},
        {"Font", [&] { b->SetFont(b->Font()); }},
        {"TextPosition", [&] { b->SetTextPosition(tpBottomRight); }},
        {"DrawDropShadow", [&] { b->SetDrawDropShadow(false); }},
        {"Glyph", [&] { b->SetGlyph(glyph); }},
        {"GlyphPosition", [&] { b->SetGlyphPosition(gpMiddleLeft); }},
        {"TransparentGlyph", [&] { b->SetTransparentGlyph(false); }},
        {"DrawLight", [&] { b->SetDrawLight(false); }},
        {"LightSize", [&] { b->SetLightSize(-5); }},
        {"AutoLightColor", [&] { b->SetAutoLightColor(false); }},
    };
    for (const auto& write : writes) {
        b->DeferredRequests = 0;
        write.second();
        write.second();
        EXPECT_EQ(b->DeferredRequests, 2) << write.first;
    }
    // LightSize takes any value as it is.
    EXPECT_EQ(b->LightSize(), -5);
    // On a shown form the request becomes a dirty rectangle over the button, painted later.
    h.Driver.Start();
    ASSERT_TRUE(h.Form->PendingRects().empty());
    b->SetCaption("OK");
    ASSERT_FALSE(h.Form->PendingRects().empty());
    EXPECT_EQ(h.Form->PendingRects().front(), b->BoundsRect());
}
