// A list of texts; the game uses it only as a hidden holder of data, so it is never painted.
#pragma once

#include <string>
#include <vector>

#include "TControl.h"

class TListBox : public TGraphicControl {
  public:
    explicit TListBox(TForm* form) : TGraphicControl(form) { Hide(); }
    std::vector<std::string> Items;
};
