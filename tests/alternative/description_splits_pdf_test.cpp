// Every layout that splits a description, printed through the PDF file printer with the fonts
// this machine really has, and read back: where each line breaks is where the layout's rule puts
// it when the real font measures the text. The descriptions were chosen by measuring their
// prefixes in those fonts (Liberation Sans Narrow for the Franklin Gothic names, Liberation Sans
// for Estrangelo Edessa) so that each break stays put if the limit moved 0.3 mm either way, and
// most move when the limit moves 1.5 mm or the text is measured a point smaller or larger.
#include "alternative/layouts/v1imprime_40_45_2.h"
#include "alternative/layouts/v1imprime_oculta_40_20_2.h"
#include "alternative/layouts/v3imprime_40_45_2.h"
#include "alternative/layouts/v3imprime_oculta_40_20_2.h"
#include "alternative/layouts/v_ate_2606_imprime_acessorio_40_20_2.h"
#include "alternative/layouts/voldimprime_oculta_40_20_2.h"
#include "labels/product/eti100_40_1.h"
#include "labels/product/imprime_40_45_2.h"
#include "labels/product/imprime_acessorio_40_20_2.h"
#include "labels/product/imprime_oculta_40_20_2.h"
#include "tests/common/labelpdf.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QString kEan = QStringLiteral("7891234567895");

struct DescriptionSplitsPrinted : LabelPdfTest {
    // The texts standing in a rectangle of the page (by each word's top-left corner), one line per
    // row of words, top to bottom, each read left to right.
    static QStringList linesIn(const QString& file, const QRectF& area)
    {
        std::vector<pdf::Word> inside;
        for (const pdf::Word& w : pdf::words(file, 1))
            if (area.contains(w.mm.topLeft()))
                inside.push_back(w);
        std::sort(inside.begin(), inside.end(), [](const pdf::Word& a, const pdf::Word& b) {
            const bool sameRow = std::abs(a.mm.top() - b.mm.top()) <= 0.6;
            return sameRow ? a.mm.left() < b.mm.left() : a.mm.top() < b.mm.top();
        });
        QStringList lines;
        double top = -1000;
        for (const pdf::Word& w : inside) {
            if (w.mm.top() - top > 0.6)
                lines << w.text;
            else
                lines.last() += u' ' + w.text;
            top = w.mm.top();
        }
        return lines;
    }
};

TEST_F(DescriptionSplitsPrinted, EachLayoutBreaksItsDescriptionWhereItsRuleSays)
{
    Globals& g = tw.g;
    g.margem_caixa_col1 = 0, g.margem_caixa_col2 = 40, g.margem_caixa_topo = 1;
    const Twips boxFront{2660}, hidden{1200}, oneAcross{2268};
    // The description's lines, the colour where the layout prints it, and nothing else: the
    // other texts that could stand in the area are left empty.
    struct Case {
        const char* name;
        Twips page;
        QString font;   // the label font the layout finds
        QRectF area;    // where its description lines stand, in millimetres on the page
        std::function<void(Program&)> print;
        QStringList lines;
    };
    const QString medium = QStringLiteral("Franklin Gothic Medium"), edessa = QStringLiteral("Estrangelo Edessa");
    const QRectF boxFrontArea(QPointF(1.7, 1 + 19.4), QPointF(45, 1 + 27.5));
    const QRectF hiddenArea(QPointF(-0.6, 1 - 0.6), QPointF(27.5, 1 + 6));
    const QRectF oldestArea(QPointF(-0.6, 1 - 0.6), QPointF(22.5, 1 + 6));  // "Ref." stands at 22.8
    const QRectF accessoryArea(QPointF(0.2 + 6.4, 1 + 6.5), QPointF(0.2 + 44, 1 + 9.4));
    const QRectF earlierBoxArea(QPointF(1.7, 1 + 18.4), QPointF(45, 1 + 27.3));
    auto oculta = [&g](double col1) {
        g.margem_oculta_col1 = float(col1), g.margem_oculta_col2 = 40, g.margem_oculta_topo = 1;
    };

    const Case cases[] = {
        // Box front, 32 mm at Franklin Gothic Semilight 7 pt: cut after the first prefix that reaches it.
        {"box front, cut inside a word", boxFront, edessa, boxFrontArea,
         [](Program& p) {
             Imprime_40_45_2(p, "O", "BOTA FEMININA CANO CURTO SALTO BLOCO", "PRETO", "", "", kEan, "", "0,00", 1, "",
                             "", "");
         },
         {"BOTA FEMININA CANO CURTO SA", "LTO BLOCO", "PRETO"}},
        {"box front, one line", boxFront, edessa, boxFrontArea,
         [](Program& p) {
             Imprime_40_45_2(p, "O", "TENIS CASUAL FEMININO", "BRANCO", "", "", kEan, "", "0,00", 1, "", "", "");
         },
         {"TENIS CASUAL FEMININO", "BRANCO"}},
        // Hidden, 23 mm at 7 pt: after a separator or before a digit, once past the limit.
        {"hidden, at a blank", hidden, edessa, hiddenArea.translated(2.3, 0),
         [&](Program& p) {
             oculta(0);
             Imprime_Oculta_40_20_2(p, "O", "OXFORD DE COURO COM SOLA DE EVA E ZIPER", "123", "", kEan, "", 1, "PRETO");
         },
         {"OXFORD DE COURO COM", "SOLA DE EVA E ZIPER", "PRETO"}},
        {"hidden, before a digit", hidden, edessa, hiddenArea.translated(2.3, 0),
         [&](Program& p) {
             oculta(0);
             Imprime_Oculta_40_20_2(p, "O", "SANDALIA FEMININA TRANCADA37 AREIA", "123", "", kEan, "", 1, "BEGE");
         },
         {"SANDALIA FEMININA TRANCADA", "37 AREIA", "BEGE"}},
        {"hidden, one line and the colour moved up", hidden, edessa, hiddenArea.translated(2.3, 0),
         [&](Program& p) {
             oculta(0);
             Imprime_Oculta_40_20_2(p, "O", "TENIS CASUAL", "123", "", kEan, "", 1, "AZUL");
         },
         {"TENIS CASUAL", "AZUL"}},
        // Accessory, 52 mm at 7 pt: the last separator of the first prefix past the limit.
        {"accessory, at the last blank", hidden, edessa, accessoryArea,
         [&](Program& p) {
             oculta(5);
             Imprime_Acessorio_40_20_2(p, "O", "MOCHILA DE LONA COM ALCA DE COURO E BOLSO NA FRENTE DO ZIPER AZUL", "",
                                       "", kEan, "1", "0,00", 1, "", "", "");
         },
         {"MOCHILA DE LONA COM ALCA DE COURO E BOLSO", "NA FRENTE DO ZIPER AZUL"}},
        {"accessory, at the last dash", hidden, edessa, accessoryArea,
         [&](Program& p) {
             oculta(5);
             Imprime_Acessorio_40_20_2(p, "O", "CARTEIRA FEMININA-COURO-LEGITIMO-COM-PORTA-CARTOES-E-ZIPER CARAMELO",
                                       "", "", kEan, "1", "0,00", 1, "", "", "");
         },
         {"CARTEIRA FEMININA-COURO-LEGITIMO-COM-PORTA-", "CARTOES-E-ZIPER CARAMELO"}},
        {"accessory, one line", hidden, edessa, accessoryArea,
         [&](Program& p) {
             oculta(5);
             Imprime_Acessorio_40_20_2(p, "O", "MEIA ESPORTIVA CANO CURTO BRANCO", "", "", kEan, "1", "0,00", 1, "",
                                       "", "");
         },
         {"MEIA ESPORTIVA CANO CURTO BRANCO"}},
        // 100 x 40, 50 mm at the label font, 11 pt: the last blank up to the prefix that reaches it.
        {"100 x 40", oneAcross, edessa, QRectF(QPointF(4.4, 4), QPointF(80, 14.5)),
         [&](Program& p) {
             g.origem_x = 0, g.origem_y = 0;
             Eti100_40_1(p, "O", "SCARPIN DE VERNIZ COM SALTO DE 7 CM", "123", "", kEan, "", "0,00", 1);
         },
         {"SCARPIN DE VERNIZ COM", "SALTO DE 7 CM"}},
        // Earlier box fronts, 35 mm at 9 pt, or 7 pt past 45 mm: the last blank up to the limit.
        {"earlier box front, 9 pt", boxFront, medium, earlierBoxArea,
         [](Program& p) {
             v1Imprime_40_45_2(p, "O", "MOCASSIM MASCULINO COURO", "PRETO", "", "", kEan, "", "0,00", 1, "", "");
         },
         {"MOCASSIM MASCULINO", "COURO", "PRETO"}},
        {"earlier box front, 7 pt", boxFront, medium, earlierBoxArea,
         [](Program& p) {
             v1Imprime_40_45_2(p, "O", "SAPATO DE COURO COM SOLA DE PU E PALMILHA", "PRETO", "", "", kEan, "", "0,00",
                               1, "", "");
         },
         {"SAPATO DE COURO COM SOLA DE", "PU E PALMILHA", "PRETO"}},
        {"earlier box front, third version", boxFront, medium, earlierBoxArea,
         [](Program& p) {
             QString tipo = QStringLiteral("K");
             V3Imprime_40_45_2(p, tipo, "SANDALIA DE SALTO COM TIRA NO TORNOZELO", "PRETO", "", "", kEan, "", "0,00", 1,
                               "", "");
         },
         {"SANDALIA DE SALTO COM TIRA NO", "TORNOZELO", "PRETO"}},
        // Earlier hidden labels: 24.5 mm at 8 pt at a separator; 23 mm at 6 pt, separator or digit.
        {"earlier hidden, first version", hidden, medium, hiddenArea,
         [&](Program& p) {
             oculta(0);
             QString tipo = QStringLiteral("K");
             V1_Imprime_Oculta_40_20_2(p, tipo, "SANDALIA COM TIRA E FIVELA DE METAL", "123", "", kEan, "", 1, "PRETO");
         },
         {"SANDALIA COM TIRA E", "FIVELA DE METAL", "PRETO"}},
        {"earlier hidden, third version, at a blank", hidden, medium, hiddenArea.translated(2.1, 0),
         [&](Program& p) {
             oculta(0);
             v3Imprime_Oculta_40_20_2(p, "O", "SAPATO DE COURO COM SOLA DE PU E PALMILHA", "123", "", kEan, "", 1,
                                      "PRETO");
         },
         {"SAPATO DE COURO COM SOLA", "DE PU E PALMILHA", "PRETO"}},
        {"earlier hidden, third version, before a digit", hidden, medium, hiddenArea.translated(2.1, 0),
         [&](Program& p) {
             oculta(0);
             v3Imprime_Oculta_40_20_2(p, "O", "CHINELO SLIDE FEMININO ANATOMICO2026 AREIA", "123", "", kEan, "", 1,
                                      "BEGE");
         },
         {"CHINELO SLIDE FEMININO ANATOMICO", "2026 AREIA", "BEGE"}},
        // Oldest hidden label, 8 pt: cut inside words after 24 mm for brand "O", 22 mm for others.
        {"oldest hidden, brand O", hidden, medium, oldestArea,
         [&](Program& p) {
             oculta(0);
             VoldImprime_Oculta_40_20_2(p, "O", "TENIS ESPORTIVO MASCULINO CORRIDA LEVE", "123", "", kEan, "", 1);
         },
         {"TENIS ESPORTIVO MA", "SCULINO CORRIDA LE", "VE"}},
        {"oldest hidden, brand K", hidden, medium, oldestArea,
         [&](Program& p) {
             oculta(0);
             VoldImprime_Oculta_40_20_2(p, "K", "TENIS ESPORTIVO MASCULINO CORRIDA LEVE", "123", "", kEan, "", 1);
         },
         {"TENIS ESPORTIVO M", "ASCULINO CORRIDA", "LEVE"}},
        // Earlier accessory label, 52 mm at 7 pt, as the current one.
        {"earlier accessory", hidden, medium, accessoryArea,
         [&](Program& p) {
             oculta(5);
             V_ate_2606_Imprime_Acessorio_40_20_2(
                 p, "O", "CARTEIRA DE COURO COM PORTA CARTAO E ZIPER DE METAL NA LATERAL CAFE", "", "", kEan, "1",
                 "0,00", 1, "", "", "");
         },
         {"CARTEIRA DE COURO COM PORTA CARTAO E ZIPER", "DE METAL NA LATERAL CAFE"}},
    };
    int documents = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g.fonte_etiqueta = c.font;
        g.coluna_etiqueta = 1;
        Printer& printer = page(c.page);
        printer.setFontBold(false);  // the layouts measure in the weight they find
        c.print(program);
        printer.endDoc();
        ASSERT_EQ(printers.writtenFiles().size(), ++documents);
        EXPECT_EQ(linesIn(printers.writtenFiles().last(), c.area), c.lines);
    }
}

}  // namespace
