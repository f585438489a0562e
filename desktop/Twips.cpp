#include "desktop/Twips.h"

namespace tavrik {

namespace {

constexpr double kTwipsPerInch = 1440.0;

} // namespace

double TwipsToPixels(int twips, double dpi) {
    return twips * dpi / kTwipsPerInch;
}

int TwipsToWholePixels(int twips) {
    return static_cast<int>(TwipsToPixels(twips));
}

int PixelsToTwips(int pixels) {
    return static_cast<int>(pixels * kTwipsPerInch / kFormDpi);
}

} // namespace tavrik
