// The picture control: draws its bitmap at its own size from the top-left corner, or stretched.
#include "TImage.h"

#include "TCanvas.h"
#include "TScaledPictureCache.h"

TImage::TImage(TForm* form) : TGraphicControl(form) {
    SetBounds(0, 0, 105, 105);
}

const TBitmap& TImage::Picture() const {
    if (loader_ && picture_.Empty())
        loader_(picture_);
    return picture_;
}

void TImage::SetPicture(const TBitmap& picture) {
    // The copy the old picture was drawn from on a scaled display would otherwise stay in the
    // cache: a screen that shows one picture after another (a reward per question) would fill it.
    const std::string& was = picture_.ResourceName();
    if (!picture_.Empty() && (was.empty() || was != picture.ResourceName()))
        TScaledPictureCache::Instance().Forget(picture_);
    loader_ = nullptr;
    deviceCopy_ = TBitmap();
    picture_ = picture;
    Invalidate();
}

void TImage::SetPictureLoader(std::function<void(TBitmap&)> loader) {
    loader_ = std::move(loader);
    picture_ = TBitmap();
    deviceCopy_ = TBitmap();
    loadedSize_ = TSize{};
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
    if (!loader_)
        return;
    picture_ = TBitmap();
    deviceCopy_ = TBitmap();
}

void TImage::SetStretch(bool stretch) {
    if (stretch == stretch_)
        return;
    stretch_ = stretch;
    Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
    if (loader_ && !stretch_ && canvas.Device().Quarters != 4) {
        PaintDeviceCopy(canvas);
        return;
    }
    const TBitmap& picture = Picture();
    if (picture.Empty())
        return;
    if (stretch_) {
        canvas.StretchDraw(TRect{0, 0, Width(), Height()}, picture);
    } else {
        canvas.Draw(0, 0, picture);
    }
}

// A whole-screen picture on a scaled display: the picture at its own size would only be kept to
// be resampled once, so it is made, resampled and let go; the canvas copies a picture of the
// device size as it is.
void TImage::PaintDeviceCopy(TCanvas& canvas) {
    const auto deviceOf = [&] {
        return canvas.DeviceRect(TRect{0, 0, loadedSize_.Width, loadedSize_.Height});
    };
    TRect device = deviceOf();
    if (loadedSize_.Width == 0 || deviceCopy_.Width() != device.Width() ||
        deviceCopy_.Height() != device.Height()) {
        TBitmap loaded;
        if (picture_.Empty())
            loader_(loaded);
        const TBitmap& picture = picture_.Empty() ? loaded : picture_;
        loadedSize_ = TSize{picture.Width(), picture.Height()};
        device = deviceOf();
        deviceCopy_ = PictureAtSize(picture, device.Width(), device.Height());
    }
    if (!deviceCopy_.Empty())
        canvas.StretchDraw(TRect{0, 0, loadedSize_.Width, loadedSize_.Height}, deviceCopy_);
}
