#include "alternative/pack/v2020_novo_etipack.h"

#include "alternative/pack/volume_antigo.h"
#include "barcode/code39.h"
#include "labels/pack/ajusta_fonte.h"
#include "labels/pack/gera_qrcode.h"
#include "platform/vb.h"

#include <array>
#include <cmath>

namespace {

enum class Campo {
    Destino, TituloPedido, Pedido, Campanha, TituloDepartamento, Departamento, Semana, Volume,
    TituloFornecedor, Fornecedor, TituloMaster, Master, TituloCor, Cor, TituloDescricao, Descricao,
    Simbolo, Legenda, Grade1, Grade2, TituloTotal, Total
};

// font, bold, start, step, width, strictly below inside the loop, counter start, bound, size set
// before measuring. The sizes line has no bound of its own; this one keeps it above zero.
constexpr Ajuste kCampanha{"ARIAL", true, 24, 0.2, 54.2, false, 1, 42, false};
constexpr Ajuste kFornecedor{"ARIAL", false, 18, 0.2, 96, true, 1, 12, false};
constexpr Ajuste kDescricao{"ARIAL", false, 17, 0.2, 94, true, 0, 14, false};
constexpr Ajuste kGrade{nullptr, false, 17, 0.3, 40, false, 0, passosPositivos(17, 0.3) - 1, true};

struct Linha {
    Campo campo;
    double tamanho;
    bool negrito;
    const Ajuste* ajuste;
    double x;
    bool centrado;
    double y;
};

constexpr bool B = true, R = false;  // bold, regular
constexpr bool C = true, E = false;  // centred, left edge (the symbol: its top-left corner)

// The label in printing order; x and y in millimetres from the pack margins. The symbol goes down
// before the grid and the total, which lie over its white margins.
constexpr std::array kEtiqueta{
    Linha{Campo::Destino, 34, B, nullptr, 48, C, 2},
    Linha{Campo::TituloPedido, 16, R, nullptr, 20, C, 16.6},
    Linha{Campo::Pedido, 20, R, nullptr, 20, C, 22.8},
    Linha{Campo::Campanha, 24, B, &kCampanha, 70.5, C, 20},
    Linha{Campo::TituloDepartamento, 16, R, nullptr, 20, C, 31.5},
    Linha{Campo::Departamento, 18, R, nullptr, 20, C, 38},
    Linha{Campo::Semana, 16, R, nullptr, 47, E, 31.5},
    Linha{Campo::Volume, 16, R, nullptr, 47, E, 39},
    Linha{Campo::TituloFornecedor, 16, R, nullptr, 48, C, 47.4},
    Linha{Campo::Fornecedor, 18, R, &kFornecedor, 48.3, C, 53.6},
    Linha{Campo::TituloMaster, 16, R, nullptr, 20, C, 62.6},
    Linha{Campo::Master, 22, B, nullptr, 19.5, C, 67.7},
    Linha{Campo::TituloCor, 16, R, nullptr, 70, C, 62.6},
    Linha{Campo::Cor, 18, R, nullptr, 70, C, 68},
    Linha{Campo::TituloDescricao, 16, R, nullptr, 48, C, 78},
    Linha{Campo::Descricao, 17, R, &kDescricao, 47.5, C, 84.8},
    Linha{Campo::Simbolo, 0, R, nullptr, 11, E, 101.5},  // 70 by 35 mm
    Linha{Campo::Legenda, 18, R, nullptr, 47, C, 128.5},
    Linha{Campo::Grade1, 17, R, &kGrade, 22, C, 95},
    Linha{Campo::Grade2, 17, R, nullptr, 22, C, 104},  // at the size the sizes line came to
    Linha{Campo::TituloTotal, 16, R, nullptr, 52, E, 100},
    Linha{Campo::Total, 36, R, nullptr, 71, E, 95},
};

constexpr double kSimboloLargura = 70, kSimboloAltura = 35;
constexpr int16_t kAlturaBarras = 1;  // bars of 10 pixels
constexpr int kSimboloSemEan = 12;    // characters of a pre-pack entry that are encoded

struct Regua {
    double x1, y1, x2, y2;
};

// The frame, from the rule origin, drawn last.
constexpr std::array kReguas{
    Regua{2, 4, 2.4, 140},       // left edge
    Regua{98.6, 4, 99, 140},     // right edge
    Regua{2, 4, 99, 4.4},        // top edge
    Regua{2, 19, 99, 19.4},      // under the destination
    Regua{46, 19, 46.3, 49},     // order and department | campaign, week and volume
    Regua{2, 34, 99, 34.4},      // under the order number and the campaign
    Regua{2, 48.4, 99, 49},      // above the supplier
    Regua{46, 40.5, 99, 40.8},   // between the week and the volume
    Regua{2, 64, 99, 64.4},      // above the master code and the colour
    Regua{46, 64, 46.3, 79.9},   // master code | colour
    Regua{2, 79.9, 99, 80.3},    // above the description
    Regua{2, 95, 99, 95.4},      // above the grid and the total
    Regua{2, 115, 99, 115.4},    // below the grid and the total
    Regua{46, 95, 46.3, 115},    // grid | total
    Regua{2, 105, 46.3, 105.4},  // between the sizes and the quantities
    Regua{2, 139.6, 99, 140},    // bottom edge
};

}  // namespace

QString entradaDoVolume(const ListBox& lsteanpack, int volume)
{
    const int posicao = volume - 1;
    return posicao >= 0 && posicao < lsteanpack.listCount() ? lsteanpack.items.at(posicao) : QString();
}

void V2020_Novo_EtiPack(Program& p, const QString& /*M_TIPO*/, QString& m_cd, const QString& /*m_pedido*/,
                        const QString& /*m_master*/, const QString& /*m_fornecedor*/,
                        const QString& /*m_descricao*/, const QString& m_cor, QString& m_codigo,
                        const QString& /*m_grade*/, const QString& /*m_qte*/, const QString& m_total,
                        int16_t m_inicio, int16_t m_fim, const QString& /*m_semana*/)
{
    MainForm& f = p.form;
    Globals& g = p.g;

    // This label prints no QR image, so it goes on whatever the generator managed.
    if (QrTurn vez(p.ws.files); vez.held())
        Gera_QrCode(p, vez);

    g.fonte_etiqueta = QStringLiteral("Franklin Gothic Medium");
    Printer& pr = p.ws.printers.current();
    pr.setFontName(g.fonte_etiqueta);
    pr.setScaleMode(ScaleMode::Millimetres);
    g.origem_x = g.margem_pack_x - 2.7f;
    g.origem_y = g.margem_pack_y - 3.0f;
    const double X = g.margem_pack_x, Y = g.margem_pack_y;
    const double Ox = g.origem_x, Oy = g.origem_y;

    // Counted in int: a range that ends at the largest 16-bit volume ends after its last page.
    for (int i = m_inicio; i <= m_fim; ++i) {
        m_codigo = entradaDoVolume(f.lsteanpack, i);
        const QString volume = textoVolumeAntigo(i, f.lblmax.caption, m_fim);
        double tamanhoGrade = kGrade.inicial;
        bool temSimbolo = false;

        const auto texto = [&](Campo c) -> QString {
            switch (c) {
            case Campo::Destino: return m_cd;
            case Campo::TituloPedido: return QStringLiteral("Pedido:");
            case Campo::Pedido: return f.txtarquivo.text;
            case Campo::Campanha: return f.txtcampanha.text;
            case Campo::TituloDepartamento: return QStringLiteral("Depart:");
            case Campo::Departamento: return f.txtdepartamento.text;
            case Campo::Semana: return QStringLiteral("Semana: ") + f.txtsemana1.text;
            case Campo::Volume: return QStringLiteral("Volume: ") + volume;
            case Campo::TituloFornecedor: return QStringLiteral("Fornecedor");
            case Campo::Fornecedor: return vb::Left(vb::Trim(f.txtfornecedor1.text), 26);
            case Campo::TituloMaster: return QStringLiteral("Cód. Master:");
            case Campo::Master: return f.txtcodigo1.text;
            case Campo::TituloCor: return QStringLiteral("Cor:");
            case Campo::Cor: return m_cor;
            case Campo::TituloDescricao: return QStringLiteral("Descrição:");
            case Campo::Descricao: return vb::Left(vb::Trim(f.txtdescricao1.text), 26);
            case Campo::Legenda: return f.txtbarra.text;
            case Campo::Grade1: return f.txtgrade1.text;
            case Campo::Grade2: return f.txtgrade2.text;
            case Campo::TituloTotal: return QStringLiteral("Total:");
            case Campo::Total: return m_total;
            case Campo::Simbolo: break;
            }
            return {};
        };

        for (const Linha& l : kEtiqueta) {
            if (l.campo == Campo::Destino)
                m_cd = f.txtdestino1.text;
            if (l.campo == Campo::Simbolo) {
                f.txtbarra.text = m_codigo;
                const QString barra = f.txtbarra.text;
                temSimbolo = !vb::Trim(barra).isEmpty();
                if (temSimbolo) {
                    // With the EAN field hidden the entry starts with a pre-pack code, of which
                    // only the first characters are drawn.
                    const QString simbolo = f.txtean.visible ? barra : vb::Left(barra, kSimboloSemEan);
                    DrawCode39(f.Picture1, kAlturaBarras, simbolo, false, false);
                    pr.setScaleMode(ScaleMode::Millimetres);
                    pr.paintPicture(f.Picture1.picture(), X + l.x, Y + l.y, kSimboloLargura, kSimboloAltura);
                }
                continue;
            }
            if (l.campo == Campo::Legenda && !temSimbolo)
                continue;

            const QString t = texto(l.campo);
            double x = X + l.x;
            switch (l.campo) {
            case Campo::Campanha:
            case Campo::Fornecedor: {
                // Centred by the width at the size the printer reached, printed at the running size.
                const double s = ajusta_fonte(pr, t, *l.ajuste);
                x -= pr.textWidth(t) / 2;
                defineTamanho(pr, s);
                break;
            }
            case Campo::Descricao:
                ajusta_fonte(pr, t, *l.ajuste);
                x -= pr.textWidth(t) / 2;
                break;
            case Campo::Grade1:
                tamanhoGrade = ajusta_fonte(pr, t, *l.ajuste);
                x -= pr.textWidth(t) / 2;
                break;
            case Campo::Grade2:
                defineTamanho(pr, tamanhoGrade);
                x -= pr.textWidth(t) / 2;
                break;
            case Campo::Legenda:
                pr.setFontSize(l.tamanho);
                x -= std::floor(pr.textWidth(t)) / 2;
                pr.setFontBold(false);
                break;
            default:
                pr.setFontName(QStringLiteral("ARIAL"));
                if (l.campo == Campo::Total) {
                    pr.setFontSize(16);
                    pr.setFontBold(false);
                }
                pr.setFontSize(l.tamanho);
                pr.setFontBold(l.negrito);
                if (l.centrado)
                    x -= pr.textWidth(t) / 2;
                break;
            }
            pr.setCurrentX(x);
            pr.setCurrentY(Y + l.y);
            pr.print(t);
        }

        for (const Regua& r : kReguas)
            pr.filledBox(Ox + r.x1, Oy + r.y1, Ox + r.x2, Oy + r.y2);
        pr.newPage();
    }
}
