#include "labels/pack/novo_etipack.h"

#include "labels/pack/ajusta_fonte.h"
#include "labels/pack/codigopack.h"
#include "labels/pack/gera_qrcode.h"
#include "labels/pack/separa_string.h"
#include "platform/vb.h"

#include <array>

namespace {

enum class Campo {
    Destino, TituloPedido, Pedido, Semana, Departamento, CampanhaUnica, Campanha1, Campanha2, Inicio,
    Fornecedor, TituloMaster, Master, TituloCor, Cor, TituloDescricao, Descricao, Grade1, Grade2,
    TituloTotal, Total, TotalAjustado, Volume, Codigo
};
enum class Quando { Sempre, UmaLinha, DuasLinhas, TemInicio, TotalMenor, TotalMaior };

// fonte, bold, start, step, width, strictly below, counter start, bound, size set after.
constexpr Ajuste kCampanha{"ARIAL", true, 24, 0.2, 54.2, false, 1, 42, true};
constexpr Ajuste kFornecedor{"ARIAL", false, 18, 0.2, 92, false, 1, 65, false};
constexpr Ajuste kDescricao{"ARIAL", false, 17, 0.2, 90, true, 0, 60, false};
constexpr Ajuste kGrade{"ARIAL", false, 17.5, 0.3, 35.5, false, 0, 60, true};
constexpr Ajuste kTotal{"ARIAL", false, 44, 0.3, 25, false, 0, 60, true};
constexpr Ajuste kVolume{"ARIAL", false, 16, 0.3, 35.5, false, 0, 60, true};

struct Linha {
    Campo campo;
    Quando quando;
    double tamanho;
    bool negrito;
    const Ajuste* ajuste;  // fitted texts; their size and weight come from the rule
    double x;
    bool centrado;
    double y;
};

constexpr bool B = true, R = false;  // bold, regular
constexpr bool C = true, E = false;  // centred, left

// The label from the top down; x and y in millimetres from the pack margins.
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
    Linha{Campo::Total, Quando::TotalMenor, 44, R, nullptr, 17, E, 110.3},
    Linha{Campo::TotalAjustado, Quando::TotalMaior, 44, R, &kTotal, 17, E, 114.4},
    Linha{Campo::Volume, Quando::Sempre, 16, R, &kVolume, 21, C, 130},
    Linha{Campo::Codigo, Quando::Sempre, 12, R, nullptr, 70, C, 130},
};

struct Regua {
    double x1, y1, x2, y2;
};

// The frame, from the rule origin, in the order it is drawn.
constexpr std::array kReguas{
    Regua{2, 4, 2.4, 140},       // left edge
    Regua{98.6, 4, 99, 140},     // right edge
    Regua{2, 4, 99, 4.4},        // top edge
    Regua{2, 19, 99, 19.4},      // under the destination
    Regua{46, 19, 46.3, 49},     // upper column divider
    Regua{2, 34, 46.3, 34.4},    // under the order number
    Regua{2, 48.4, 99, 49},      // under the department and campaign
    Regua{2, 40, 46.3, 40.4},    // under the week
    Regua{2, 64, 99, 64.4},      // under the supplier
    Regua{46, 64, 46.3, 79.9},   // middle column divider
    Regua{2, 79.9, 99, 80.3},    // under the master code and colour
    Regua{2, 95, 99, 95.4},      // under the description
    Regua{2, 105, 46.3, 105.3},  // under grid line 1
    Regua{2, 130, 46.3, 130.3},  // above the volume
    Regua{2, 113, 46.3, 113.3},  // under grid line 2
    Regua{46, 95, 46.3, 140},    // lower column divider
    Regua{2, 139.6, 99, 140},    // bottom edge
};

constexpr double kQrX = 49.5, kQrY = 91, kQrLado = 42;
const QString kAcessorios = QStringLiteral("ACESSÓRIOS");

// "3/4" alone, "2/4 e 3/4", "1/4, 2/4 e 3/4".
QString listaVolumes(const MainForm& f, const QList<int>& volumes)
{
    QStringList chaves;
    for (const int v : volumes)
        chaves << chaveVolume(f, v);
    const QString ultima = chaves.takeLast();
    return chaves.isEmpty() ? ultima : chaves.join(QStringLiteral(", ")) + QStringLiteral(" e ") + ultima;
}

// Every volume chosen for printing must have a pack code its QR image can be made from; the
// carton's other volumes may lack one.
bool volumesComCodigo(Program& p, const QMap<int, QString>& codigos, int inicio, int fim)
{
    const MainForm& f = p.form;
    QList<int> volumes;
    for (int v = inicio; v <= fim; ++v)
        volumes << v;
    const QList<int> sem = volumesSemCodigo(codigos, volumes);
    if (sem.isEmpty())
        return true;
    const QString texto =
        sem.size() == 1
            ? QStringLiteral("O volume %1 do Cód. Master %2 não tem código de pack válido no pedido")
            : QStringLiteral("Os volumes %1 do Cód. Master %2 não têm código de pack válido no pedido");
    p.ws.messages.show(texto.arg(listaVolumes(f, sem), vb::Trim(f.txtcodigo1.text)) +
                           QStringLiteral(" (vazio, ou com \"/\", \"\\\", \"..\" ou caractere de controle), e "
                                          "sem ele não há QRcode. Nenhuma etiqueta foi impressa."),
                       mb::OKOnly | mb::Critical);
    return false;
}

QString formata(int v, int digitos)
{
    const QString n = QString::number(v < 0 ? -v : v).rightJustified(digitos, u'0');
    return v < 0 ? u'-' + n : n;
}

}  // namespace

QString textoVolume(int volume, const QString& lblmax, int fim)
{
    switch (vb::Len(lblmax)) {
    case 1: return formata(volume, 1) + u'/' + lblmax;
    case 2: return formata(volume, 2) + u'/' + lblmax;
    case 3:
    case 4: return formata(volume, 3) + u'/' + lblmax;
    default: return vb::CStr(volume) + u'/' + vb::CStr(fim);
    }
}

bool corrugadoTemVolumes(Program& p)
{
    const MainForm& f = p.form;
    if (f.cmb_vol1.listCount() > 0 && f.cmb_vol2.listCount() > 0)
        return true;
    p.ws.messages.show(QStringLiteral("O volume do corrugado no pedido (\"%1\") não indica nenhum volume a imprimir. "
                                      "Nenhuma etiqueta foi impressa.")
                           .arg(vb::Trim(f.txtvolume.text)),
                       mb::OKOnly | mb::Exclamation);
    return false;
}

void Novo_EtiPack(Program& p, const QString& /*M_TIPO*/, QString& m_cd, const QString& /*m_pedido*/,
                  const QString& /*m_master*/, const QString& /*m_fornecedor*/, const QString& /*m_descricao*/,
                  const QString& m_cor, QString& m_codigo, const QString& /*m_grade*/, const QString& /*m_qte*/,
                  const QString& m_total, int16_t m_inicio, int16_t m_fim, const QString& /*m_semana*/)
{
    MainForm& f = p.form;
    Globals& g = p.g;

    // No page leaves without its volume's QR: every check comes before the first page. The
    // volumes are those of the carton's own item, looked up once for the run.
    const QMap<int, QString> codigos = codigosDoCorrugado(f);
    if (!volumesComCodigo(p, codigos, m_inicio, m_fim))
        return;
    // Held until the last page has read its image: another copy of the program would otherwise
    // delete the images, or make its own, between the generation and the pages.
    QrTurn vez(p.ws.files);
    if (!vez.held()) {
        QrTurn::tellBusy(p);
        return;
    }
    auto erroQr = [&] {
        vez.release();
        p.ws.messages.show(QStringLiteral("Erro ao Gerar o QRcode"), mb::OKOnly | mb::Critical);
    };
    if (!Gera_QrCode(p, vez, FaixaVolumes{m_inicio, m_fim})) {
        erroQr();
        return;
    }
    auto imagemDoVolume = [&](int v) { return imagemDoCodigo(p.ws.files, codigos.value(v)); };
    for (int v = m_inicio; v <= m_fim; ++v)
        if (imagemDoVolume(v).isNull()) {
            erroQr();
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

    // Every printer statement that fails is skipped and the label goes on without it.
    Printer* impressora = nullptr;
    tryStep([&] { impressora = &p.ws.printers.current(); });
    auto imprime = [&](auto&& passo) {
        if (impressora)
            tryStep([&] { passo(*impressora); });
    };

    g.fonte_etiqueta = QStringLiteral("Franklin Gothic Medium");
    imprime([&](Printer& pr) {
        pr.setFontName(g.fonte_etiqueta);
        pr.setScaleMode(ScaleMode::Millimetres);
    });
    g.origem_x = g.margem_pack_x - 2.7f;
    g.origem_y = g.margem_pack_y - 3.0f;
    const double X = g.margem_pack_x, Y = g.margem_pack_y;
    const double Ox = g.origem_x, Oy = g.origem_y;

    // A total that is not a 16-bit number fails the test and takes the branch below 1000.
    bool totalMaior = false;
    tryStep([&] { totalMaior = vb::CInt(m_total) >= 1000; });

    // Each grid line is fitted on the first page and printed at that size on the others.
    std::array<double, 2> gradeLembrada{0, 0};

    for (int v = m_inicio; v <= m_fim; ++v) {
        // A printer that lost the document takes no more pages; the caller reports it.
        if (impressora && impressora->failed())
            break;
        // An image that went away since the check stops the run before its page.
        const Picture qr = imagemDoVolume(v);
        if (qr.isNull()) {
            erroQr();
            break;
        }
        m_codigo = codigos.value(v);
        const QString volume = textoVolume(v, f.lblmax.caption, m_fim);
        m_cd = f.txtdestino1.text;

        auto texto = [&](Campo c) -> QString {
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
            case Campo::Total:
            case Campo::TotalAjustado: return m_total;
            case Campo::Volume: return QStringLiteral("Volume: ") + volume;
            case Campo::Codigo: return m_codigo;
            }
            return {};
        };
        auto vale = [&](Quando q) {
            switch (q) {
            case Quando::Sempre: return true;
            case Quando::UmaLinha: return !vb::Trim(linha1).isEmpty() && vb::Trim(linha2).isEmpty();
            case Quando::DuasLinhas: return !vb::Trim(linha2).isEmpty();
            case Quando::TemInicio: return !vb::Trim(f.txtiniciopromocao.text).isEmpty();
            case Quando::TotalMenor: return !totalMaior;
            case Quando::TotalMaior: return totalMaior;
            }
            return false;
        };

        for (const Linha& l : kEtiqueta) {
            if (l.campo == Campo::Grade1)
                f.txtbarra.text = m_codigo;
            if (l.campo == Campo::Codigo) {
                f.pictqrcode.setPicture(qr);
                imprime([&](Printer& pr) {
                    pr.paintPicture(f.pictqrcode.picture(), X + kQrX, Y + kQrY, kQrLado, kQrLado);
                });
            }
            if (!vale(l.quando))
                continue;
            const bool semDepartamento = l.campo == Campo::Departamento && !f.tem_departamento;
            if (semDepartamento)
                f.txtdepartamento.text = kAcessorios;
            const QString t = texto(l.campo);
            imprime([&](Printer& pr) {
                const bool grade = l.campo == Campo::Grade1 || l.campo == Campo::Grade2;
                double* lembrada = grade ? &gradeLembrada[l.campo == Campo::Grade1 ? 0 : 1] : nullptr;
                if (!l.ajuste || (lembrada && *lembrada != 0)) {
                    pr.setFontName(QStringLiteral("ARIAL"));
                    pr.setFontBold(l.negrito);
                    defineTamanho(pr, lembrada ? *lembrada : l.tamanho);
                } else {
                    const double s = ajusta_fonte(pr, t, *l.ajuste);
                    if (lembrada)
                        *lembrada = s;
                }
                pr.setCurrentX(l.centrado ? X + l.x - pr.textWidth(t) / 2 : X + l.x);
                pr.setCurrentY(Y + l.y);
                pr.print(t);
            });
            if (semDepartamento)
                f.txtdepartamento.text.clear();
        }

        for (const Regua& r : kReguas)
            imprime([&](Printer& pr) { pr.filledBox(Ox + r.x1, Oy + r.y1, Ox + r.x2, Oy + r.y2); });
        imprime([](Printer& pr) { pr.newPage(); });
    }
}
