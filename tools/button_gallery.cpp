// Renders the owner-drawn button in every colour scheme and look into one PNG picture.
#include <cstdio>
#include <string>

#include "TApplication.h"
#include "TCanvas.h"
#include "TForm.h"
#include "TFreeButton.h"
#include "headless/THeadlessBackend.h"

namespace {

constexpr TColor GalleryBack = RGB(236, 233, 216);
constexpr int ButtonWidth = 200;
constexpr int ButtonHeight = 44;
constexpr int Margin = 16;
constexpr int ColumnStep = ButtonWidth + 24;
constexpr int RowStep = ButtonHeight + 12;
constexpr int HeaderHeight = 36;

// Puts the button into a look through its own mouse handlers, as the form would.
void ShowLook(TFreeButton& button, TMouseState look) {
    button.MouseLeave();
    if (look == msNormal)
        return;
    button.MouseEnter();
    if (look == msPressed)
        button.MouseDown(TMouseButton::Left, TShiftState::None, 1, 1, TClickKind::Single);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "docs/button-gallery.png";

    // The buttons need a form to live on; it is never shown, so nothing but Paint draws them.
    THeadlessBackend backend;
    TApplication app(backend);
    TForm* form = app.CreateForm<TForm>();

    const TMouseState looks[] = {msNormal, msHover, msPressed};
    const char* lookNames[] = {"normal", "hover", "pressed"};
    TBitmap gallery(Margin * 2 + ColumnStep * 3 - 24,
                    HeaderHeight + RowStep * CustomColorCount + Margin, GalleryBack);
    TCanvas canvas(gallery);

    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Font.Name = "Verdana";
    canvas.Font.Height = -14;
    canvas.Font.Color = RGB(60, 60, 60);
    canvas.Font.Style = TFontStyle::Bold;
    for (int column = 0; column < 3; ++column)
        canvas.TextOut(Margin + column * ColumnStep + 4, 10, lookNames[column]);

    TFreeButton* button = form->Add<TFreeButton>();
    button->SetBounds(0, 0, ButtonWidth, ButtonHeight);
    button->SetBackColor(GalleryBack);
    TFont font = button->Font();
    font.Height = -16;
    button->SetFont(font);

    for (int row = 0; row < CustomColorCount; ++row) {
        const auto scheme = static_cast<TCustomColor>(row);
        button->SetCustomColor(scheme);
        button->SetCaption(CustomColorName(scheme));
        for (int column = 0; column < 3; ++column) {
            ShowLook(*button, looks[column]);
            TCanvasStateGuard guard(canvas);
            canvas.SetOrigin(TPoint{Margin + column * ColumnStep, HeaderHeight + row * RowStep});
            button->Paint(canvas);
        }
    }

    std::string error;
    if (!gallery.SaveToPng(path, &error)) {
        std::fprintf(stderr, "button_gallery: cannot write %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    std::printf("%s: %d x %d\n", path.c_str(), gallery.Width(), gallery.Height());
    return 0;
}
