#pragma once

#include "platform/picturebox.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

// One Code 128 symbol being drawn, in set B with a final run of digits in set C: the state the
// module keeps once for the program and each Bar128 object keeps for itself, with the steps both
// share.
struct Code128Symbol {
    enum class CodeSet { None, B, C };

    PictureBox* target = nullptr;
    QString text;
    int32_t barHeight = 0;
    int32_t barTop = 10;
    int32_t counter = 0;
    bool caption = false;
    int32_t checkSum = 0;
    int16_t position = 0;
    CodeSet codeSet = CodeSet::None;
    int32_t checkChar = 0;
    QString setB;
    std::array<std::string_view, 106> patterns;
    std::string_view stop;

    void InitTable128();
    // A text of one or more set-B characters, else a BarcodeError: nothing is drawn for a text
    // the symbol cannot hold.
    bool validate() const;
    // Symbol characters between the start and the check character, for the surface width.
    static int CountChars128(const QString& text);
    // Twips wide enough for a symbol of that many characters, with 12 free columns left of it and
    // 11 right.
    static double widthFor(int count);
    void DrawSymbol128(const QString& symbolText);
    void DrawCharB128(QChar c);
    void DrawRunC128(const QString& digits);
    void DrawPairs128(const QString& digits);
    void DrawPattern128(std::string_view pattern);

private:
    void weigh(int32_t value);
};
