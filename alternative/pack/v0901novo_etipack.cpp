#include "alternative/pack/v0901novo_etipack.h"

#include "alternative/pack/volume_antigo.h"
#include "labels/pack/ajusta_fonte.h"
#include "labels/pack/codigopack.h"
#include "labels/pack/gera_qrcode.h"
#include "labels/pack/separa_string.h"
#include "platform/vb.h"

#include <algorithm>
#include <array>

namespace {

enum class Campo {
    Destino, TituloPedido, Pedido, Semana, Departamento, CampanhaUnica, Campanha1, Campanha2, Inicio,
    Fornecedor, TituloMaster, Master, TituloCor, Cor, TituloDescricao, Descricao, Grade1, Grade2,
    TituloTotal, Total, Volume, Qr, Codigo
};
enum class Quando { Sempre, UmaLinha, DuasLinhas, TemInicio };

// font, bold, start, step, width, strictly below inside the loop, counter start, bound, size set
// before measuring. The grid lines have no bound that keeps them above zero; theirs does.
constexpr Ajuste kCampanha{"ARIAL", true, 24, 0.2, 54.2, false, 1, 42, false};
constexpr Ajuste kFornecedor{"ARIAL", false, 18, 0.2, 92, false, 1, 65, false};
constexpr Ajuste kDescricao{"ARIAL", false, 17, 0.2, 90, true, 0, 60, false};
constexpr Ajuste kGrade{nullptr, false, 17.5, 0.3, 35.5, false, 0, std::min(60, passosPositivos(17.5, 0.3) - 1),
                        true};

struct Linha {
    Campo campo;
    Quando quando;
    double tamanho;
    bool negrito;
    const Ajuste* ajuste;  // fitted texts: size and weight come from the rule
    double x;
    bool centrado;
    double y;
};

constexpr bool B = true, R = false;  // bold, regular
constexpr bool C = true, E = false;  // centred, left edge (the QR picture: its top-left corner)

// The label in printing order; x and y in millimetres from the pack margins.
constexpr std::array kEtiqueta{
    Linha{Campo::Destino, Quando::Sempre, 34, B, nullptr, 48, C, 2},
    Linha{Campo::TituloPedido, Quando::Sempre, 16, R, nullptr, 20.5, C, 16.6},
    Linha{Campo::Pedido, Quando::Sempre, 20, R, nullptr, 21.2, C, 22.8},
    Linha{Campo::Semana, Quando::Sempre, 12, R, nullptr, 21.5, C, 31.7},
    Linha{Campo::Departamento, Quando::Sempre, 18, R, nullptr, 21.2, C, 38},
    Linha{Campo::CampanhaUnica, Quando::UmaLinha, 24, B, &kCampanha, 70.5, C, 25},
    Linha{Campo::Campanha1, Quando::DuasLinhas, 24, B, &kCampanha, 70, C, 18.5},
    Linha{Campo::Campanha2, Quando::DuasLinhas, 24, B, &kCampanha, 70, C, 28.5},
    Linha{Campo::Inicio, Quando::TemInicio, 16, R, nullptr, 70, C, 39},
    Linha{Campo::Fornecedor, Quando::Sempre, 18, R, &kFornecedor, 47.7, C, 50.5},
    Linha{Campo::TituloMaster, Quando::Sempre, 16, R, nullptr, 21.5, C, 62.6},
    Linha{Campo::Master, Quando::Sempre, 22, B, nullptr, 20.5, C, 68.3},
    Linha{Campo::TituloCor, Quando::Sempre, 16, R, nullptr, 70, C, 62.6},
    Linha{Campo::Cor, Quando::Sempre, 18, R, nullptr, 70, C, 68.8},
    Linha{Campo::TituloDescricao, Quando::Sempre, 16, R, nullptr, 48, C, 78},
    Linha{Campo::Descricao, Quando::Sempre, 17, R, &kDescricao, 47.5, C, 84.8},
    Linha{Campo::Grade1, Quando::Sempre, 17.5, R, &kGrade, 21.7, C, 95},
    Linha{Campo::Grade2, Quando::Sempre, 17.5, R, &kGrade, 21.7, C, 104},
    Linha{Campo::TituloTotal, Quando::Sempre, 12, R, nullptr, 5, E, 120},
    Linha{Campo::Total, Quando::Sempre, 44, R, nullptr, 17, E, 110.3},  // never shrunk
    Linha{Campo::Volume, Quando::Sempre, 16, R, nullptr, 21, C, 130},
    Linha{Campo::Qr, Quando::Sempre, 0, R, nullptr, 49.5, E, 91},
    Linha{Campo::Codigo, Quando::Sempre, 12, R, nullptr, 70, C, 130},  // over the foot of the picture
};

constexpr double kQrLado = 42;

struct Regua {
    double x1, y1, x2, y2;
};

// The frame, from the rule origin, in the order it is drawn over the texts and the picture.
constexpr std::array kReguas{
    Regua{2, 4, 2.4, 140},       // left border
    Regua{98.6, 4, 99, 140},     // right border
    Regua{2, 4, 99, 4.4},        // top border
    Regua{2, 19, 99, 19.4},      // under the destination
    Regua{46, 19, 46.3, 49},     // order block | campaign block
    Regua{2, 34, 46.3, 34.4},    // under the order number
    Regua{2, 48.4, 99, 49},      // under the department and the campaign
    Regua{2, 40, 46.3, 40.4},    // under the week
    Regua{2, 64, 99, 64.4},      // under the supplier
    Regua{46, 64, 46.3, 79.9},   // master code | colour
    Regua{2, 79.9, 99, 80.3},    // under the master code and the colour
    Regua{2, 95, 99, 95.4},      // under the description
    Regua{2, 105, 46.3, 105.3},  // between the two grid lines
    Regua{2, 130, 46.3, 130.3},  // above the volume
    Regua{2, 113, 46.3, 113.3},  // above the total
    Regua{46, 95, 46.3, 140},    // left column | QR block
    Regua{2, 139.6, 99, 140},    // bottom border
};

const QString kAcessorios = QStringLiteral("ACESSÓRIOS");

}  // namespace

void V0901Novo_EtiPack(Program& p, const QString& /*M_TIPO*/, QString& m_cd, const QString& /*m_pedido*/,
                       const QString& /*m_master*/, const QString& /*m_fornecedor*/,
                       const QString& /*m_descricao*/, const QString& m_cor, QString& m_codigo,
                       const QString& /*m_grade*/, const QString& /*m_qte*/, const QString& m_total,
                       int16_t m_inicio, int16_t m_fim, const QString& /*m_semana*/)
{
    MainForm& f = p.form;
    Globals& g = p.g;

    // The turn on tmp lasts until the last page has read its image.
    QrTurn vez(p.ws.files);
    if (!vez.held()) {
        QrTurn::tellBusy(p);
        return;
    }
    if (!Gera_QrCode(p, vez)) {
        vez.release();
        p.ws.messages.show(QStringLiteral("Erro ao Gerar o QRcode"), mb::OKOnly | mb::Critical);
        return;
    }

    QString linha1, linha2;
    if (!vb::Trim(f.txtcampanha.text).isEmpty()) {
        const QStringList partes = SEPARA_STRING(f.txtcampanha.text).split(u'|');
        if (vb::Trim(partes.value(0)).isEmpty()) {
            linha1 = partes.value(1);
        } else {
            linha1 = partes.value(0);
            linha2 = partes.value(1);
        }
    }

    g.fonte_etiqueta = QStringLiteral("Franklin Gothic Medium");
    Printer& pr = p.ws.printers.current();
    pr.setFontName(g.fonte_etiqueta);
    pr.setScaleMode(ScaleMode::Millimetres);
    QString volume;
    g.origem_x = g.margem_pack_x - 2.7f;
    g.origem_y = g.margem_pack_y - 3.0f;
    const double X = g.margem_pack_x, Y = g.margem_pack_y;
    const double Ox = g.origem_x, Oy = g.origem_y;

    const auto vale = [&](Quando q) {
        switch (q) {
        case Quando::Sempre: return true;
        case Quando::UmaLinha: return !vb::Trim(linha1).isEmpty() && vb::Trim(linha2).isEmpty();
        case Quando::DuasLinhas: return !vb::Trim(linha2).isEmpty();
        case Quando::TemInicio: return !vb::Trim(f.txtiniciopromocao.text).isEmpty();
        }
        return false;
    };
    const auto texto = [&](Campo c) -> QString {
        switch (c) {
        case Campo::Destino: return m_cd;
        case Campo::TituloPedido: return QStringLiteral("Pedido:");
        case Campo::Pedido: return f.txtarquivo.text;
        case Campo::Semana: return QStringLiteral("Semana CD: ") + f.txtsemana1.text;
        case Campo::Departamento: return f.txtdepartamento.text;
        case Campo::CampanhaUnica:
        case Campo::Campanha1: return linha1;
        case Campo::Campanha2: return linha2;
        case Campo::Inicio: return QStringLiteral("Início: ") + vb::Trim(f.txtiniciopromocao.text);
        case Campo::Fornecedor: return vb::Left(vb::Trim(f.txtfornecedor1.text), 26);
        case Campo::TituloMaster: return QStringLiteral("Cód. Master:");
        case Campo::Master: return f.txtcodigo1.text;
        case Campo::TituloCor: return QStringLiteral("Cor:");
        case Campo::Cor: return m_cor;
        case Campo::TituloDescricao: return QStringLiteral("Descrição:");
        case Campo::Descricao: return vb::Left(vb::Trim(f.txtdescricao1.text), 26);
        case Campo::Grade1: return f.txtgrade1.text;
        case Campo::Grade2: return f.txtgrade2.text;
        case Campo::TituloTotal: return QStringLiteral("Total:");
        case Campo::Total: return m_total;
        case Campo::Volume: return QStringLiteral("Volume: ") + volume;
        case Campo::Codigo: return m_codigo;
        case Campo::Qr: break;
        }
        return {};
    };

    // Counted in int: a range that ends at the largest 16-bit volume ends after its last page.
    for (int i = m_inicio; i <= m_fim; ++i) {
        m_codigo.clear();
        m_codigo = codigoDoVolume(f, i);
        volume = textoVolumeAntigo(i, f.lblmax.caption, m_fim);

        for (const Linha& l : kEtiqueta) {
            if (!vale(l.quando))
                continue;
            if (l.campo == Campo::Destino)
                m_cd = f.txtdestino1.text;
            if (l.campo == Campo::Grade1)
                f.txtbarra.text = m_codigo;
            if (l.campo == Campo::Qr) {
                f.pictqrcode.clearPicture();
                const QString codigo = vb::Trim(f.txtbarra.text);
                // A code that would name a file outside tmp is no image of ours.
                if (codigoSeguro(codigo) && p.ws.files.fileExists(imagemQr(codigo))) {
                    f.pictqrcode.setPicture(Picture::load(p.ws.files.resolve(imagemQr(codigo))));
                    pr.paintPicture(f.pictqrcode.picture(), X + l.x, Y + l.y, kQrLado, kQrLado);
                }
                continue;
            }
            const bool semDepartamento = l.campo == Campo::Departamento && !f.tem_departamento;
            if (semDepartamento)
                f.txtdepartamento.text = kAcessorios;

            const QString t = texto(l.campo);
            double w = 0;
            if (l.ajuste) {
                const double s = ajusta_fonte(pr, t, *l.ajuste);
                w = pr.textWidth(t);
                // The campaign is centred by its width at the size the printer reached, then
                // printed at the running size.
                if (l.ajuste == &kCampanha)
                    defineTamanho(pr, s);
            } else {
                pr.setFontName(QStringLiteral("ARIAL"));
                pr.setFontBold(l.negrito);
                pr.setFontSize(l.tamanho);
                w = pr.textWidth(l.campo == Campo::Codigo ? f.txtbarra.text : t);
            }
            pr.setCurrentX(l.centrado ? X + l.x - w / 2 : X + l.x);
            pr.setCurrentY(Y + l.y);
            pr.print(t);

            if (semDepartamento)
                f.txtdepartamento.text.clear();
        }

        for (const Regua& r : kReguas)
            pr.filledBox(Ox + r.x1, Oy + r.y1, Ox + r.x2, Oy + r.y2);
        pr.newPage();
    }
}
