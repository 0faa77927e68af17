// The picture control: draws its bitmap at its own size from the top-left corner, or stretched.
#include "TImage.h"

#include "TCanvas.h"

TImage::TImage(TForm* form) : TGraphicControl(form) {
    SetBounds(0, 0, 105, 105);
}

const TBitmap& TImage::Picture() const {
    if (loader_ && picture_.Empty())
        loader_(picture_);
    return picture_;
}

void TImage::SetPicture(const TBitmap& picture) {
    loader_ = nullptr;
    picture_ = picture;
    Invalidate();
}

void TImage::SetPictureLoader(std::function<void(TBitmap&)> loader) {
    loader_ = std::move(loader);
    picture_ = TBitmap();
    Invalidate();
}

bool TImage::LoadFromResource(const std::string& name, std::string* error) {
    // A failed load leaves the picture as it was, loader and all.
    TBitmap loaded;
    if (!loaded.LoadFromResource(name, error))
        return false;
    SetPicture(loaded);
    return true;
}

void TImage::FormHidden() {
    if (loader_)
        picture_ = TBitmap();
}

void TImage::SetStretch(bool stretch) {
    if (stretch == stretch_)
        return;
    stretch_ = stretch;
    Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
    const TBitmap& picture = Picture();
    if (picture.Empty())
        return;
    if (stretch_) {
        canvas.StretchDraw(TRect{0, 0, Width(), Height()}, picture);
    } else {
        canvas.Draw(0, 0, picture);
    }
}
