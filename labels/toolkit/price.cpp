#include "labels/toolkit/price.h"

#include "platform/vb.h"

namespace labels {

bool sem_preco(const QString& m_preco) { return vb::Trim(m_preco) == QStringLiteral("0,00"); }

PriceParts splitPrice(const QString& price)
{
    return {vb::Left(price, vb::InStr(price, QStringLiteral(","))), vb::Right(price, 2)};
}

QString currencyText() { return QStringLiteral("R$"); }

QString cashText() { return QStringLiteral("À VISTA"); }

PriceWidths measurePrice(Printer& printer, const PriceParts& parts, const PriceFonts& fonts)
{
    PriceWidths w;
    applyFont(printer, fonts[0]);
    w.cents = printer.textWidth(parts.cents);
    applyFont(printer, fonts[1]);
    w.integer = printer.textWidth(parts.integer);
    applyFont(printer, fonts[2]);
    w.currency = printer.textWidth(currencyText());
    applyFont(printer, fonts[3]);
    w.cash = printer.textWidth(cashText());
    return w;
}

}  // namespace labels
