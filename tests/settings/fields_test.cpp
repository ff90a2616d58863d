#include "form/grid.h"
#include "form/selection.h"
#include "settings/fields.h"

#include <gtest/gtest.h>

TEST(KeyFiltersTest, WhatEachFilterLetsThrough)
{
    struct {
        int16_t key;
        int16_t numero, inteiro, decimal;
    } rows[] = {
        {'0', '0', '0', '0'}, {'9', '9', '9', '9'}, {'a', 0, 0, 0},       {' ', 0, 0, 0},
        {'-', 0, '-', '-'},   {',', 0, 0, ','},     {'.', 0, 0, ','},     {key::Backspace, 8, 8, 8},
        {key::CtrlA, 1, 0, 0}, {key::Enter, 0, 0, 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Numero(r.key), r.numero) << r.key;
        EXPECT_EQ(so_inteiro(r.key), r.inteiro) << r.key;
        EXPECT_EQ(so_decimal(r.key), r.decimal) << r.key;
    }
    EXPECT_EQ(Mais('a'), 'A');
    EXPECT_EQ(Mais(static_cast<int16_t>(0xE7)), static_cast<int16_t>(0xC7));  // ç becomes Ç
    EXPECT_EQ(Mais('1'), '1');
}

TEST(ProximoTest, EnterAndDownMoveOnUpMovesBack)
{
    RecordingKeystrokes keys;
    for (int16_t k : {key::Enter, key::Down, key::Up, int16_t{'a'}})
        proximo(&keys, k);
    EXPECT_EQ(keys.sent, (QStringList{QStringLiteral("{tab}"), QStringLiteral("{tab}"), QStringLiteral("+{tab}")}));
    proximo(nullptr, key::Enter);  // no keystroke service: nothing happens
}

TEST(SelecionaTest, SelectsAsManyCharactersAsTheTrimmedTextHas)
{
    TextBox box;
    box.text = QStringLiteral("  ab");
    seleciona(box);
    EXPECT_EQ(box.selStart, 0);
    EXPECT_EQ(box.selLength, 2);
    box.text = QStringLiteral("2,2");
    seleciona_texto(box);
    EXPECT_EQ(box.selLength, 3);
}

TEST(SomaTest, TotalsTheFilledCells)
{
    MainForm f;
    OCULTA_ITENS(f);
    soma(f);
    EXPECT_EQ(f.TXTPARES.text, QStringLiteral("0"));
    EXPECT_EQ(f.TXTOCULTAS.text, QStringLiteral("0"));
    f.txtnumero[0].text = QStringLiteral("5");
    f.txtnumero[2].text = QStringLiteral(" 3");
    soma(f);
    EXPECT_EQ(f.TXTPARES.text, QStringLiteral("8"));
    EXPECT_EQ(f.TXTOCULTAS.text, QStringLiteral("16"));
    for (auto& cell : f.txtnumero)
        cell.text = QStringLiteral("32767");
    soma(f);
    EXPECT_EQ(f.TXTPARES.text, QStringLiteral("458738"));  // the total is not bounded by 16 bits
    f.txtnumero[1].text = QStringLiteral("99999");  // beyond what a cell holds: not counted
    f.txtnumero[2].text = QStringLiteral("abc");
    soma(f);
    EXPECT_EQ(f.TXTPARES.text, QString::number(32767 * 12));
}
