#pragma once

// Window sizes are kept in twips (1/1440 inch) as stored in the settings;
// the widgets work in logical pixels. All conversions go through here.
namespace Twips {

// Twips per logical pixel: 1440 / logical DPI of the primary screen (15 at 96 DPI).
double proPixel();
int zuPixel(double twips);
int ausPixel(int pixel);

}  // namespace Twips
