#pragma once

#include "labels/toolkit/elements.h"

#include <QString>
#include <array>

namespace labels {

// "0,00", blanks around it allowed, is how an item without a price reaches the layouts.
bool sem_preco(const QString& m_preco);

// The price as passed, untrimmed: the integer part runs up to and including the first comma
// (empty without one); the cents are the last two characters, whatever they are.
struct PriceParts {
    QString integer;
    QString cents;
};
PriceParts splitPrice(const QString& price);

QString currencyText();  // "R$"
QString cashText();      // "À VISTA"

// The fonts the four parts are measured in, in the order cents, integer part, "R$", "À VISTA";
// a layout may measure a part in another size than it prints it.
using PriceFonts = std::array<FontSpec, 4>;

// Measures the four parts in that order, each in its own font, leaving the last font set.
PriceWidths measurePrice(Printer& printer, const PriceParts& parts, const PriceFonts& fonts);

}  // namespace labels
