// The shared screen helpers: stage picture, placement, fonts, labels and the visit bar.
#include "ScreenLayout.h"

#include <cstdio>

#include "MatchState.h"
#include "Stage.h"
#include "TApplication.h"
#include "TForm.h"

TImage* AddStageImage(TForm& form, const std::string& resourceName, TColor fallbackGround) {
    TImage* image = form.Add<TImage>();
    image->Name = "Image1";
    // Decoded when its screen is shown and dropped when it is hidden: five decoded backgrounds
    // would hold 9.6 MB, and decoding one takes a few milliseconds once a visit.
    image->SetPictureLoader([resourceName, fallbackGround](TBitmap& picture) {
        if (!LoadPictureResource(picture, resourceName))
            picture.SetSize(StageWidth, StageHeight, fallbackGround);
    });
    const TSize screen = form.Application().ScreenSize();
    const TStageOrigin origin = StageOriginFor(screen.Width, screen.Height);
    image->SetBounds(origin.Left, origin.Top, StageWidth, StageHeight);
    return image;
}

void PlaceOnStage(TControl& control, const TImage& image1, int stageLeft, int stageTop) {
    control.SetBounds(image1.Left() + stageLeft, image1.Top() + stageTop, control.Width(),
                      control.Height());
}

TFont MakeFont(const std::string& face, int height, TColor color) {
    TFont font;
    font.Name = face;
    font.Height = height;
    font.Color = color;
    return font;
}

TLabel* AddLabel(TForm& form, const std::string& caption, const TFont& font) {
    TLabel* label = form.Add<TLabel>();
    label->SetTransparent(true);
    label->SetFont(font);
    label->SetCaption(caption);
    return label;
}

TLabel* AddCentredLabel(TForm& form, const std::string& caption, const TFont& font, int width,
                        int height) {
    TLabel* label = form.Add<TLabel>();
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetAlignment(TAlignment::Center);
    label->SetShrinkToFit(true);
    label->SetFont(font);
    label->SetCaption(caption);
    label->SetBounds(0, 0, width, height);
    return label;
}

TProgressBar* AddVisitBar(TForm& form, int width, int height) {
    TProgressBar* bar = form.Add<TProgressBar>();
    bar->Name = "ProgressBar1";
    bar->SetRange(0, VisitTicks);
    bar->SetStep(1);
    bar->SetPosition(0);
    bar->SetBounds(0, 0, width, height);
    return bar;
}

bool LoadPictureResource(TBitmap& picture, const std::string& name) {
    std::string error;
    if (picture.LoadFromResource(name, &error))
        return true;
    std::fprintf(stderr, "tevra: picture %s cannot be loaded: %s\n", name.c_str(), error.c_str());
    return false;
}

TFreeButton* AddMenuButton(TForm& form, const std::string& name, const std::string& caption,
                           TCustomColor scheme, const TFont& font, int width, int height) {
    TFreeButton* button = form.Add<TFreeButton>();
    button->Name = name;
    button->SetCaption(caption);
    button->SetCustomColor(scheme);
    button->SetBackColor(14215660);  // (236, 233, 216)
    button->SetFont(font);
    button->SetBounds(0, 0, width, height);
    return button;
}
