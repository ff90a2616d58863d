#pragma once

// Windows measures windows and pages in twips; the labels are laid out in millimetres and the
// barcode surface in pixels. Each unit keeps its own type so one never reaches another's argument.
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
