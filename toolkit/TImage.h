// A picture control: shows a TBitmap at its own size, or stretched to the control.
#pragma once

#include <string>

#include "TBitmap.h"
#include "TControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TForm* form);

    const TBitmap& Picture() const { return picture_; }
    void SetPicture(const TBitmap& picture);
    // Loads a named resource; on failure the picture is left as it was and false is returned.
    bool LoadFromResource(const std::string& name, std::string* error);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

    void Paint(TCanvas& canvas) override;

private:
    TBitmap picture_;
    bool stretch_ = false;
};
