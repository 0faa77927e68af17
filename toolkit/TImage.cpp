// The picture control: draws its bitmap at its own size from the top-left corner, or stretched.
#include "TImage.h"

#include "TCanvas.h"

TImage::TImage(TForm* form) : TGraphicControl(form) {
    SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(const TBitmap& picture) {
    picture_ = picture;
    Invalidate();
}

bool TImage::LoadFromResource(const std::string& name, std::string* error) {
    if (!picture_.LoadFromResource(name, error))
        return false;
    Invalidate();
    return true;
}

void TImage::SetStretch(bool stretch) {
    if (stretch == stretch_)
        return;
    stretch_ = stretch;
    Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
    if (picture_.Empty())
        return;
    if (stretch_) {
        canvas.StretchDraw(TRect{0, 0, Width(), Height()}, picture_);
    } else {
        canvas.Draw(0, 0, picture_);
    }
}
