#pragma once

#include <QFont>

#include "platform/window.h"

namespace tarvix {

// Makes the faces the layout was drawn with available: loads Tahoma from the Windows fonts that
// some distributions ship (fonts-wine) and maps Tahoma and Verdana to installed faces of similar
// width where they are missing. Call once, after the application object exists.
void PrepareFonts();

// The layout is measured in pixels at 96 per inch, so point sizes become fixed pixel sizes: the
// captions then fit their controls whatever the screen's reported resolution.
int PixelsForPoints(int points);

// The font for a control; an empty face gives the toolkit's default control font.
QFont ControlFont(const FontSpec& def);

}  // namespace tarvix
