// Forms are laid out in twips, 1440 to the inch, on the 96 dpi screen they were designed for; the
// views draw them in pixels. Every conversion between the two goes through here.
#pragma once

namespace tavrik {

// The screen the forms were designed on: 15 twips to a pixel.
inline constexpr double kFormDpi = 96.0;

// twips in pixels of a screen of that logical dpi, not rounded.
double TwipsToPixels(int twips, double dpi = kFormDpi);
// twips in whole pixels on the forms' screen, the part of a pixel cut off: a form's size, a
// control's edges.
int TwipsToWholePixels(int twips);
// Pixels of the forms' screen in twips: the screen's size as a form reads it.
int PixelsToTwips(int pixels);

} // namespace tavrik
