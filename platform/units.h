#pragma once

// Windows measures windows and pages in twips; the labels are laid out in millimetres and the
// barcode surface in pixels. Page and picture-box sizes in twips have a type of their own, as they
// sit beside millimetre values in the same calls; control places stay plain ints in twips, as the
// forms give them. Printer positions stay plain doubles: their unit is the printer's scale mode,
// chosen at run time, and Printer converts them to millimetres in one place.
struct Twips {
    int value = 0;
    friend constexpr bool operator==(Twips, Twips) = default;
};

constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPixel = 15;  // the workstation's screen: 96 pixels to the inch

constexpr double twipsToMm(Twips t) { return t.value * 25.4 / kTwipsPerInch; }
constexpr double mmToTwips(double mm) { return mm * kTwipsPerInch / 25.4; }
constexpr int twipsToPixels(Twips t) { return t.value / kTwipsPerPixel; }
constexpr Twips pixelsToTwips(int px) { return Twips{px * kTwipsPerPixel}; }
