// Helpers the five screens share: the stage picture, placing controls on it, fonts, labels.
#pragma once

#include <string>

#include "TFont.h"
#include "TFreeButton.h"
#include "TImage.h"
#include "TLabel.h"
#include "TProgressBar.h"

class TForm;

// Creates Image1 (800 x 600) with the screen's background resource and centres it on the display.
// A background that cannot be loaded is reported on stderr and replaced by a plain ground colour,
// so the screen still plays.
TImage* AddStageImage(TForm& form, const std::string& resourceName, TColor fallbackGround);

// Moves a control to a stage position, measured from Image1's top-left corner.
void PlaceOnStage(TControl& control, const TImage& image1, int stageLeft, int stageTop);

TFont MakeFont(const std::string& face, int height, TColor color = clBlack);

// A transparent label in the given font, sized to its text.
TLabel* AddLabel(TForm& form, const std::string& caption, const TFont& font);
// A transparent label of fixed size with its text centred (the score labels); a line too wide
// for it is drawn smaller, so a long score keeps its sign and every digit.
TLabel* AddCentredLabel(TForm& form, const std::string& caption, const TFont& font, int width,
                        int height);
// The bar of a visit: one step for each tick of the visit clock.
TProgressBar* AddVisitBar(TForm& form, int width, int height);

// An owner-drawn button of the menu and the final screen, on the menu's light ground colour.
TFreeButton* AddMenuButton(TForm& form, const std::string& name, const std::string& caption,
                           TCustomColor scheme, const TFont& font, int width, int height);

// Loads a tile or picture resource, reporting a failure once on stderr; the picture is left as
// it was (empty for a new one) when the resource cannot be read.
bool LoadPictureResource(TBitmap& picture, const std::string& name);
