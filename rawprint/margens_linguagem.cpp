#include "rawprint/margens_linguagem.h"

#include "platform/vb.h"
#include "rawprint/amostra_frente.h"
#include "rawprint/envio.h"
#include "rawprint/teste_oculta.h"
#include "rawprint/zpl.h"
#include "settings/keys.h"
#include "settings/settings.h"
#include "setup/margenslayout.h"

namespace {

constexpr int kBoxWidth = 615, kBoxHeight = 285;

struct Column {
    ini::DotsKey key;
    int labelLeft, outlineLeft, boxLeft;
};

struct Top {
    const char* key;
    const char* load;
    const char* save;
    KeyFilter filter;
    bool selects;
    int left, top, width;
    int tabIndex;
};

using margenslayout::base;

// The column boxes go in left to right, arrays by element.
void columns(MarginDialogLayout& l, const std::vector<Column>& cols, bool array, int labelTop, int outlineTop,
             int outlineWidth, int outlineHeight, int boxTop, KeyFilter filter, const std::vector<int>& tabIndexes)
{
    static const char* kLabels[] = {"Label2", "Label3", "Label4"};
    static const char* kBoxes[] = {"txtmargem1", "txtmargem2", "txtmargem3"};
    for (size_t i = 0; i < cols.size(); ++i) {
        const Column& c = cols[i];
        const QString standard = QString::number(c.key.standard);
        const int index = array ? static_cast<int>(i) : -1;
        l.labels.push_back(marginCaption(array ? "Label2" : kLabels[i], standard, c.labelLeft, labelTop, 375, 255, index));
        Control outline;
        outline.name = array ? QStringLiteral("Picture1_%1").arg(i) : QStringLiteral("Picture%1").arg(i + 1);
        outline.move(c.outlineLeft, outlineTop, outlineWidth, outlineHeight);
        l.outlines.push_back(outline);
        MarginBox b;
        b.box.name = QString::fromLatin1(array ? "txtmargem1" : kBoxes[i]);
        b.box.move(c.boxLeft, boxTop, kBoxWidth, kBoxHeight);
        b.box.tabIndex = tabIndexes[i];
        b.index = index;
        b.key = qs(c.key.key);
        b.loadStandard = b.saveStandard = standard;
        b.filter = filter;
        b.maxLength = 4;
        l.boxes.push_back(b);
    }
}

void top(MarginDialogLayout& l, const Top& t, int label6Top)
{
    l.labels.push_back(marginCaption("Label6", QStringLiteral("Margem Superior"), 120, label6Top, 1455, 255));
    MarginBox b;
    b.box.name = QStringLiteral("txtmargemsuperior");
    b.box.move(t.left, t.top, t.width, kBoxHeight);
    b.box.tabIndex = t.tabIndex;
    b.key = QString::fromLatin1(t.key);
    b.loadStandard = QString::fromLatin1(t.load);
    b.saveStandard = QString::fromLatin1(t.save);
    b.filter = t.filter;
    b.selectsOnFocus = t.selects;
    l.boxes.push_back(b);
}

std::vector<Column> acrossColumns(int n)
{
    std::vector<Column> cols;
    for (int k = 0; k < n; ++k)
        cols.push_back({ini::kZplOculta7Columns[static_cast<size_t>(k)], 600 + 720 * k, 360 + 720 * k, 360 + 720 * k});
    if (n == 8)  // the eighth column does not follow the others' spacing
        cols[7] = {ini::kZplOculta7Columns[7], 5760, 5520, 5520};
    return cols;
}

MarginDialogLayout ocultaZpl3()
{
    MarginDialogLayout l =
        base("Calibrar Margens - Etiqueta Oculta - ZPL", "Etiqueta 30x10x3", 6615, 4035, {240, 120, 6135, 3615}, 5175);
    columns(l,
            {{ini::kZplOculta3[0], 960, 360, 840}, {ini::kZplOculta3[1], 2880, 2160, 2760},
             {ini::kZplOculta3[2], 4680, 3960, 4560}},
            false, 480, 840, 1695, 615, 1680, KeyFilter::Inteiro, {0, 1, 2});
    l.labels.push_back(marginCaption("Label5", QStringLiteral("Novo Valor"), 120, 1680, 735, 375));
    top(l, {"Margem_oculta_zpl_3_superior", "30", "30", KeyFilter::Inteiro, true, 720, 2520, 735, 3}, 2280);
    placeMarginButtons(l, 2880, {120, 2160, 4200}, {1815, 1815, 1815}, 495, {4, 5, 6});
    return l;
}

MarginDialogLayout ocultaZplAcross(int n)
{
    MarginDialogLayout l = n == 7 ? base("Calibrar Margens - Etiqueta Oculta - ZPL", "Etiqueta 10x30x7", 6195, 5250,
                                         {240, 120, 5775, 4695}, 5175)
                                  : base("Calibrar Margens - Etiqueta Oculta - ZPL", "Etiqueta 10x30x8", 6960, 5085,
                                         {240, 120, 6495, 4815}, 5175);
    // Seven across: the top box sits between the sixth and seventh columns in the keyboard order.
    const std::vector<int> tabs = n == 7 ? std::vector<int>{0, 1, 2, 3, 4, 5, 7} : std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7};
    columns(l, acrossColumns(n), true, 480, 720, 615, 1695, 2760, KeyFilter::Inteiro, tabs);
    l.labels.push_back(marginCaption("Label5", QStringLiteral("Novo Valor"), 120, 2520, 1095, 375));
    if (n == 7)
        top(l, {"Margem_oculta_zpl_7_superior", "70", "70", KeyFilter::Inteiro, true, 720, 3480, 735, 6}, 3240);
    else  // the eight-across top box has neither key filter nor selection on entry
        top(l, {"Margem_oculta_zpl_8_superior", "70", "70", KeyFilter::None, false, 720, 3480, 735, 8}, 3240);
    placeMarginButtons(l, 3960, {120, 2160, 4080}, {1575, 1575, 1335}, 495, {n + 2, n + 1, n + 3});
    return l;
}

MarginDialogLayout ocultaPpla()
{
    MarginDialogLayout l =
        base("Calibrar Margens - Etiqueta Oculta - PPLA", "Etiqueta 30x10x3", 6555, 3390, {240, 120, 6135, 3135}, 5175);
    columns(l,
            {{ini::kPplaOculta3[0], 960, 360, 840}, {ini::kPplaOculta3[1], 2880, 2160, 2760},
             {ini::kPplaOculta3[2], 4680, 3960, 4560}},
            false, 480, 840, 1695, 615, 1680, KeyFilter::Inteiro, {0, 1, 2});
    l.labels.push_back(marginCaption("Label5", QStringLiteral("Novo Valor"), 120, 1680, 735, 375));
    placeMarginButtons(l, 2400, {120, 2160, 4200}, {1815, 1815, 1815}, 495, {3, 4, 5});
    return l;
}

MarginDialogLayout frenteZpl()
{
    MarginDialogLayout l = base("Calibrar Margens - Etiqueta Frente de Caixa - ZPL", "Etiqueta 40x45x2", 6810, 5100,
                                {240, 120, 6495, 4815}, 4335);
    columns(l, {{ini::kZplFrente[0], 1320, 360, 1080}, {ini::kZplFrente[1], 3720, 2760, 3480}}, false, 480, 840, 2175,
            1695, 2880, KeyFilter::Decimal, {0, 1});
    l.labels.push_back(marginCaption("Label5", QStringLiteral("Novo Valor"), 120, 2760, 735, 375));
    // A blank top opens as 3 but is saved and printed as 10.
    top(l, {"Margem_frente_zpl_2_superior", "3", "10", KeyFilter::Decimal, true, 1080, 3480, 615, 2}, 3240);
    placeMarginButtons(l, 3960, {120, 2160, 4200}, {1815, 1815, 1815}, 495, {3, 4, 5});
    return l;
}

}  // namespace

MarginDialogLayout layoutMargensLinguagem(MargensLinguagem kind)
{
    switch (kind) {
    case MargensLinguagem::OcultaZpl3:
        return ocultaZpl3();
    case MargensLinguagem::OcultaZpl7:
        return ocultaZplAcross(7);
    case MargensLinguagem::OcultaZpl8:
        return ocultaZplAcross(8);
    case MargensLinguagem::OcultaPpla:
        return ocultaPpla();
    case MargensLinguagem::FrenteZpl:
        break;
    }
    return frenteZpl();
}

FrmMargensLinguagem::FrmMargensLinguagem(Program& p, MargensLinguagem kind)
    : MarginDialog(p.ws, layoutMargensLinguagem(kind)), p_(p), kind_(kind)
{
    txtcodigo.name = QStringLiteral("txtcodigo");
    txtcodigo.visible = false;
    txtcodigo.move(4320, kind == MargensLinguagem::OcultaZpl3 || kind == MargensLinguagem::OcultaPpla ? 2040 : 3120,
                   1095, 285);
}

void FrmMargensLinguagem::loaded()
{
    if (kind_ == MargensLinguagem::FrenteZpl)
        return;
    txtcodigo.text = p_.form.txtcodigo.text;
    if (vb::Trim(txtcodigo.text).isEmpty())
        txtcodigo.text = QStringLiteral("50100779");
}

void FrmMargensLinguagem::testPrint()
{
    switch (kind_) {
    case MargensLinguagem::OcultaZpl3:
    case MargensLinguagem::OcultaZpl7:
    case MargensLinguagem::OcultaZpl8:
        testeOcultaZpl();
        return;
    case MargensLinguagem::OcultaPpla:
        testeOcultaPpla();
        return;
    case MargensLinguagem::FrenteZpl:
        testeFrenteZpl();
        return;
    }
}

void FrmMargensLinguagem::preencheVazias()
{
    for (MarginBox& b : boxes())
        if (vb::Trim(b.box.text).isEmpty())
            b.box.text = b.saveStandard;
}

void FrmMargensLinguagem::testeOcultaZpl()
{
    std::vector<MarginBox>& all = boxes();
    MarginBox& superior = all.back();
    std::vector<MarginBox*> cols;
    for (MarginBox& b : all)
        if (&b != &superior)
            cols.push_back(&b);
    if (kind_ == MargensLinguagem::OcultaZpl3) {
        preencheVazias();
    } else {
        if (vb::Trim(superior.box.text).isEmpty())
            superior.box.text = superior.saveStandard;
        std::vector<QString*> texts;
        QStringList standards;
        for (MarginBox* b : cols) {
            texts.push_back(&b->box.text);
            standards << b->saveStandard;
        }
        corrigeColunas(texts, standards);
    }
    QStringList xs;
    for (MarginBox* b : cols)
        xs << b->box.text;
    const bool turned = kind_ != MargensLinguagem::OcultaZpl3;
    sendRawJob(p_, linhasTesteOcultaZpl(xs, superior.box.text, txtcodigo.text, turned, p_.form.cmbintensidade.text,
                                        p_.form.cmbvelocidade.text),
               kDialogBatch);
}

void FrmMargensLinguagem::testeOcultaPpla()
{
    preencheVazias();
    QStringList cs;
    for (const MarginBox& b : boxes())
        cs << b.box.text;
    sendRawJob(p_, linhasTesteOcultaPpla(cs, txtcodigo.text), kDialogBatch);
}

void FrmMargensLinguagem::testeFrenteZpl()
{
    preencheVazias();
    // Positions are whole dots; a margin such as "2,5" or a lone "-" prints at its standard.
    for (MarginBox& b : boxes())
        if (!isWholeDots(b.box.text))
            b.box.text = b.saveStandard;
    std::vector<MarginBox>& b = boxes();
    sendRawJob(p_, linhasAmostraFrenteZpl(b[0].box.text, b[1].box.text, b[2].box.text, p_.form.cmbintensidade.text,
                                          p_.form.cmbvelocidade.text),
               kFrenteBatch);
}

std::unique_ptr<FrmMargensLinguagem> FrmMargensOcultaZPL(Program& p)
{
    return std::make_unique<FrmMargensLinguagem>(p, MargensLinguagem::OcultaZpl3);
}
std::unique_ptr<FrmMargensLinguagem> FrmMargensOculta7ZPL(Program& p)
{
    return std::make_unique<FrmMargensLinguagem>(p, MargensLinguagem::OcultaZpl7);
}
std::unique_ptr<FrmMargensLinguagem> FrmMargensOculta8ZPL(Program& p)
{
    return std::make_unique<FrmMargensLinguagem>(p, MargensLinguagem::OcultaZpl8);
}
std::unique_ptr<FrmMargensLinguagem> FrmMargensOcultaPPLa(Program& p)
{
    return std::make_unique<FrmMargensLinguagem>(p, MargensLinguagem::OcultaPpla);
}
std::unique_ptr<FrmMargensLinguagem> FrmMargensCxZPL(Program& p)
{
    return std::make_unique<FrmMargensLinguagem>(p, MargensLinguagem::FrenteZpl);
}
