#include "orders/carrega_gradeFc.h"

#include "form/grid.h"
#include "orders/itemgrid.h"
#include "orders/orderline.h"
#include "platform/vb.h"

#include <cmath>
#include <optional>

namespace {

// Where the fields after the description sit in a box-front line of each length; -1: none.
struct FrenteLayout {
    int fields;
    int preco, semana, bandeira, promocao, sufixo;
};

// clang-format off
constexpr FrenteLayout kFrenteLayouts[] = {
//   fields preco semana bandeira promocao sufixo
    {10,    -1,   7,     8,       9,       9},
    {11,    -1,   7,     8,       9,       10},
    {12,    -1,   7,     8,       9,       10},
    {13,    7,    8,     9,       11,      10},
};
// clang-format on

const FrenteLayout* frenteLayoutOf(qsizetype fields)
{
    for (const FrenteLayout& l : kFrenteLayouts)
        if (l.fields == fields)
            return &l;
    return nullptr;
}

void fill(MainForm& f, const QStringList& c, const FrenteLayout& l)
{
    f.txtcodigo.text = vb::Left(c.at(6), 7);
    f.txtcor.text = c.at(1);
    f.txtdescricao.text = c.at(4);
    f.txtpreco.text = l.preco >= 0 ? c.at(l.preco) : QString();
    const QString sufixo = vb::Trim(c.at(l.sufixo));
    f.txtsemana.text = c.at(l.semana) + (sufixo.isEmpty() ? QString() : u'/' + sufixo);
    f.txtbandeira.text = c.at(l.bandeira);
    f.txtpromocao.text = c.at(l.promocao);
}

// "Adicionar" goes into every size of the item, so only a whole number a cell can hold is
// added; a fraction is not rounded as an order quantity is.
std::optional<int> incrementOf(const QString& text)
{
    const auto v = vb::parseNumber(text);
    if (!v || std::floor(*v) != *v || *v < 0 || *v > 32767)
        return std::nullopt;
    return static_cast<int>(*v);
}

}  // namespace

void carrega_gradeFc(Program& p)
{
    MainForm& f = p.form;
    f.tem_imagem = false;
    OCULTA_ITENS(f);
    f.TXTPARES.text.clear();
    f.TXTOCULTAS.text.clear();
    if (vb::Trim(f.cmb_referencia.text).isEmpty())
        return;

    f.pctimage.picture = Picture{};
    const auto key = splitKey(f.cmb_referencia.text);
    int matches = 0;
    int semCelula = 0;
    if (key) {
        for (const QString& line : f.List1.items) {
            const QStringList c = vb::Split(line, QStringLiteral(";"));
            const FrenteLayout* layout = frenteLayoutOf(c.size());
            if (!layout || vb::Left(vb::Trim(c.at(6)), 7) != key->code || vb::Trim(c.at(4)) != key->description ||
                vb::Trim(c.at(1)) != key->colour)
                continue;
            if (matches == 0)
                fill(f, c, *layout);
            const int k = firstFreeCell(f);
            if (k >= 0) {
                f.Label7[k].caption = c.at(2);
                f.txtnumero[k].text = c.at(0);
            } else {
                ++semCelula;
            }
            ++matches;
        }
    }
    // One warning for the load, however many lines found no cell.
    warnGridFull(p, semCelula);
    EXIBE_ITENS(p);
    pega_imagem(p);
}

void EXIBE_ITENS(Program& p)
{
    MainForm& f = p.form;
    int incremento = 0;
    bool incrementoValido = true;
    if (f.Frame2.visible && !vb::Trim(f.txtlote.text).isEmpty()) {
        const auto v = incrementOf(f.txtlote.text);
        incrementoValido = v.has_value();
        incremento = v.value_or(0);
    }

    // A cell whose sum would leave the 16-bit range keeps the quantity of the order.
    QStringList semAcrescimo;
    qint64 total = 0;
    for (int k = 0; k < MainForm::kSizeCells; ++k) {
        TextBox& cell = f.txtnumero[k];
        if (vb::Trim(cell.text).isEmpty())
            continue;
        f.Label7[k].visible = true;
        cell.visible = true;
        cell.locked = false;
        const auto v = wholeQuantity(cell.text);
        if (!v)
            continue;
        int valor = *v + incremento;
        if (valor > 32767 || valor < -32768) {
            semAcrescimo << vb::Trim(f.Label7[k].caption);
            valor = *v;
        }
        cell.text = QString::number(valor);
        total += valor;
    }
    f.TXTPARES.text = QString::number(total);
    f.TXTOCULTAS.text = QString::number(total + total);

    if (!incrementoValido)
        p.ws.messages.show(QStringLiteral("O valor de Adicionar (") + f.txtlote.text +
                               QStringLiteral(") não é um número inteiro de 0 a 32767; as quantidades ficaram as "
                                              "do pedido."),
                           mb::Exclamation);
    if (!semAcrescimo.isEmpty())
        p.ws.messages.show(QStringLiteral("A quantidade somada ao valor de Adicionar passaria de 32767 nos tamanhos ") +
                               semAcrescimo.join(QStringLiteral(", ")) +
                               QStringLiteral("; ficaram as quantidades do pedido."),
                           mb::Exclamation);
}

void pega_imagem(Program& p)
{
    MainForm& f = p.form;
    f.tem_imagem = false;
    const QString caminho = FileSystem::join(p.ws.files.programFolder(),
                                             QStringLiteral("imagens\\") + vb::Trim(f.txtcodigo.text) +
                                                 QStringLiteral(".jpg"));
    if (p.ws.files.fileExists(caminho)) {
        f.pctimage.picture = Picture::load(p.ws.files.resolve(caminho));
        // A file that is no picture leaves the image empty, as a missing one does.
        f.tem_imagem = !f.pctimage.picture.isNull();
    } else {
        f.pctimage.picture = Picture{};
    }
}
