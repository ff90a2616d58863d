#pragma once

#include "platform/picturebox.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

// One Code 39 symbol being drawn: the state the module keeps once for the program and each Bar39
// object keeps for itself, with the drawing steps both share.
struct Code39Symbol {
    PictureBox* target = nullptr;
    QString text;
    int32_t barHeight = 0;
    int32_t barTop = 10;
    int32_t counter = 0;
    bool caption = false;
    bool check = false;
    int32_t checkSum = 0;
    int16_t charIndex = 0;
    int32_t checkIndex = 0;
    QString chars;
    std::array<std::string_view, 44> patterns;

    void InitTable39();
    // Every character of the text in the table, else a BarcodeError from source.
    bool validate(const QString& source) const;
    // Start, characters, check character when asked for, stop and the caption when asked for.
    void DrawSymbol39(const QString& symbolText);
    // One character's 12 modules and the narrow white gap after it.
    void DrawPattern39(std::string_view pattern);
    // Characters in the whole symbol: start, text, check character when asked for, stop.
    int symbolLength() const { return static_cast<int>(text.size()) + (check ? 3 : 2); }
};
