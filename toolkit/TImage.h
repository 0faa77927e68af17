// A picture control: shows a TBitmap at its own size, or stretched to the control.
#pragma once

#include <functional>
#include <string>

#include "TBitmap.h"
#include "TControl.h"

class TImage : public TGraphicControl {
  public:
    explicit TImage(TForm* form);

    const TBitmap& Picture() const;
    void SetPicture(const TBitmap& picture);
    // A picture made only when it is needed and dropped again while the form is hidden, so a
    // hidden screen keeps no copy of its whole-screen picture. On a scaled display only its copy
    // at the device size is kept. The loader must make the same picture every time; SetPicture
    // and LoadFromResource replace it.
    void SetPictureLoader(std::function<void(TBitmap&)> loader);
    // Loads a named resource; on failure the picture is left as it was and false is returned.
    bool LoadFromResource(const std::string& name, std::string* error);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    void Paint(TCanvas& canvas) override;
    void FormHidden() override;

  private:
    void PaintDeviceCopy(TCanvas& canvas);

    // Made from the loader on demand: a cache of what the loader makes, not state of its own.
    mutable TBitmap picture_;
    std::function<void(TBitmap&)> loader_;
    TBitmap deviceCopy_;  // a cache as well: the loader's picture at the device size drawn at
    TSize loadedSize_{};  // the size of the loader's picture
    bool stretch_ = false;
};
