#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The program-wide variables, one object passed by reference to whatever reads or writes them.
struct Globals {
    // Column of the next label in a two-across row: 1 left, anything else right.
    int16_t coluna_etiqueta = 0;

    // Margins of the current run, in millimetres.
    float margem_caixa_col1 = 0, margem_caixa_col2 = 0, margem_caixa_topo = 0;
    float margem_oculta_col1 = 0, margem_oculta_col2 = 0, margem_oculta_topo = 0;
    float margem_pack_x = 0, margem_pack_y = 0;
    float margem_preco_1 = 0, margem_preco_2 = 0, margem_preco_3 = 0;  // nothing writes these
    // Drawing origin of the one-across and pack layouts.
    float origem_x = 0, origem_y = 0;

    QString codigo_marca;    // brand letter of the run, "O" or "K"
    QString fonte_etiqueta;  // label font name
    bool tem_logo1 = false;  // mervalk.jpg loaded
    bool tem_logo2 = false;  // orvenna.jpg loaded
    float fator_correcao = 1.1f;  // barcode width factor

    // What the order loads last told and the loads of the same order that follow do not repeat:
    // the number the disk refused to remember, the lines left out of the file, the lines of an
    // item left out of the size grid.
    std::optional<QString> refusedOrderNumber;
    std::optional<QString> toldSkippedLines;
    std::optional<QString> toldGridFull;
};
