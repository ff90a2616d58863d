#include "orders/carrega_pedido.h"

#include "form/grid.h"
#include "orders/carrega_corrugado.h"
#include "orders/carrega_gradeFc.h"
#include "orders/carrega_grade_Acessorio.h"
#include "orders/orderline.h"
#include "platform/vb.h"
#include "settings/keys.h"
#include "settings/settings.h"

#include <QSet>
#include <functional>

namespace {

const QString kAtencao = QStringLiteral("ATENÇÃO!!!");

// A line left out of the order, or a line kept whose quantity cannot be printed.
struct SkippedLine {
    int number;  // line of the file, from 1
    bool tooFewFields;
    QString tamanho;     // the size of a kept line, when its family has one
    QString quantidade;  // the quantity of a kept line, as the file holds it
};

// The lines of one kind, at most ten named, then how many more.
QString namedLines(const QList<const SkippedLine*>& lines, const std::function<QString(const SkippedLine&)>& name)
{
    constexpr int kNamed = 10;
    QString text;
    for (int i = 0; i < lines.size() && i < kNamed; ++i)
        text += QStringLiteral("\nlinha ") + QString::number(lines[i]->number) + name(*lines[i]);
    if (lines.size() > kNamed)
        text += QStringLiteral("\ne mais ") + QString::number(lines.size() - kNamed) + QStringLiteral(" linha(s)");
    return text;
}

// The lines of a load left out or not printable, in words; empty when there are none. A line kept
// with a quantity past the 16-bit range is part of the order; only its labels will not print.
QString skippedText(const QString& fileName, const QList<SkippedLine>& skipped)
{
    QList<const SkippedLine*> leftOut, notPrinted;
    for (const SkippedLine& s : skipped)
        (s.tooFewFields ? leftOut : notPrinted).append(&s);
    QStringList parts;
    if (!leftOut.isEmpty())
        parts << QStringLiteral("Linhas ignoradas no arquivo ") + fileName + u':' +
                     namedLines(leftOut, [](const SkippedLine&) -> QString {
                         return QStringLiteral(": faltam campos");
                     });
    if (!notPrinted.isEmpty())
        parts << QStringLiteral("Quantidades que não serão impressas no arquivo ") + fileName + u':' +
                     namedLines(notPrinted, [](const SkippedLine& s) -> QString {
                         const QString tamanho = vb::Trim(s.tamanho);
                         const QString fora = QStringLiteral(": a quantidade ") + vb::Trim(s.quantidade) +
                                              QStringLiteral(" passa do intervalo de -32768 a 32767");
                         if (tamanho.isEmpty())
                             return fora + QStringLiteral(" e não será impressa");
                         return QStringLiteral(", tamanho ") + tamanho + fora +
                                QStringLiteral("; este tamanho não será impresso");
                     });
    return parts.join(QStringLiteral("\n\n"));
}

// One message per load, however many lines were named, and none for the loads of the same file
// that the moves through the order fields bring after it.
void reportSkipped(Program& p, const QString& path, const QString& fileName, const QList<SkippedLine>& skipped)
{
    const QString text = skippedText(fileName, skipped);
    if (text.isEmpty()) {
        p.g.toldSkippedLines.reset();
        return;
    }
    const QString told = path + u'\n' + text;
    if (p.g.toldSkippedLines == told)
        return;
    p.g.toldSkippedLines = told;
    p.ws.messages.show(text, mb::Exclamation);
}

}  // namespace

void carrega_pedido(Program& p)
{
    MainForm& f = p.form;

    f.pack_novo = true;
    f.lblpacknovo.caption = QStringLiteral("F");
    f.lblpacknovo.caption = QStringLiteral("T");
    f.tem_departamento = false;
    f.cmd_printacessorio.visible = true;
    f.lsteanpack.clear();

    const Family* family = familyOf(f.cmbtipo.text);
    f.tipo_arquivo = family ? qs(family->letter) : QString();

    if (vb::Trim(f.lblpath.caption).isEmpty() || !p.ws.files.folderExists(f.lblpath.caption))
        f.lblpath.caption = p.ws.files.programFolder();

    // An order number is part of a file name; one holding a folder separator names no file here.
    const QString numero = vb::Trim(f.txtarquivo.text);
    f.filelist.clear();
    if (!numero.contains(u'/') && !numero.contains(u'\\'))
        f.filelist.items = p.ws.files.list(f.lblpath.caption, u'*' + numero + QStringLiteral("*.txt"));
    if (f.filelist.listCount() == 0) {
        p.ws.messages.show(QStringLiteral("O Pedido ") + f.txtarquivo.text + QStringLiteral(", não foi localizado em ") +
                           f.lblpath.caption);
        f.cmd_printacessorio.visible = false;
        return;
    }

    QString nome;
    if (family)
        for (const QString& candidate : f.filelist.items)
            if (vb::UCase(FileSystem::nameText(candidate)).contains(qs(family->word))) {
                nome = candidate;
                break;
            }
    if (nome.isEmpty()) {
        p.ws.messages.show(QStringLiteral("O arquivo não foi localizado... "));
        f.cmd_printacessorio.visible = false;
        return;
    }

    // The loader runs again each time the focus leaves the order number or the type, so a disk
    // that refuses to remember the number is told once for that number, not at every move.
    const WriteResult lembrado = p.ws.profile.write(
        settingsPath(p.ws.files), {{qs(ini::kConfig), QStringLiteral("arquivo"), f.txtarquivo.text}});
    if (lembrado) {
        p.g.refusedOrderNumber.reset();
    } else if (p.g.refusedOrderNumber != f.txtarquivo.text) {
        p.g.refusedOrderNumber = f.txtarquivo.text;
        reportWrite(p.ws, lembrado);
    }

    f.Frame1.visible = !family->carton;
    f.Frame3.visible = family->carton;
    if (!family->frame1Caption.empty())
        f.Frame1.caption = qs(family->frame1Caption);
    f.LBLMERVALK.visible = false;

    const QString caminho = FileSystem::join(f.lblpath.caption, nome);
    auto lines = p.ws.files.fileExists(caminho) ? p.ws.files.readLines(caminho) : std::nullopt;
    // From here on the window still shows the previous order's item: a file that gives no item
    // leaves nothing of the number typed to print, so the print button goes until one loads.
    if (!lines) {
        f.cmd_printacessorio.visible = false;
        p.ws.messages.show(QStringLiteral("O arquivo não existe!"), mb::Exclamation, kAtencao);
        return;
    }
    // Any byte at all gives at least one line, so no lines means a file of length 0.
    if (lines->isEmpty()) {
        f.cmd_printacessorio.visible = false;
        p.ws.messages.show(QStringLiteral("O arquivo está em branco!"), mb::Exclamation, kAtencao);
        return;
    }

    ComboBox& referencias = family->carton ? f.cmb_referencia1 : f.cmb_referencia;
    f.List1.clear();
    referencias.clear();
    QSet<QString> listed;
    QList<SkippedLine> skipped;

    for (int n = 0; n < lines->size(); ++n) {
        const QString& line = lines->at(n);
        if (n == 0) {
            f.LBLMERVALK.visible = true;
            f.LBLMERVALK.caption = line.contains(QStringLiteral("MERVALK")) || line.contains(QStringLiteral("MERVAL"))
                                       ? QStringLiteral("MERVAL K")
                                       : QStringLiteral("ORVENNA");
            continue;
        }
        if (family->carton && n == 1)
            f.tem_departamento = vb::UCase(line).contains(QStringLiteral("DEPARTAMENTO"));
        if (vb::Trim(line).isEmpty())
            continue;
        const QString collapsed = collapseBlanks(line);
        const QStringList fields = vb::Split(collapsed, QStringLiteral(";"));
        if (!vb::IsNumeric(fields.at(0)))
            continue;
        // A line the loaders cannot read whole is left out rather than half shown.
        if (fields.size() < family->minFields) {
            skipped.append({n + 1, true, {}, {}});
            continue;
        }
        // Every number is a quantity; a fraction is rounded where a whole number is needed. Only
        // one past the 16-bit range cannot be printed, and the line still belongs to the order.
        if (!wholeQuantity(fields.at(0)))
            skipped.append({n + 1, false, family->letter == "A" ? fields.at(2) : QString(), fields.at(0)});

        QString key;
        if (family->letter == "A")
            key = frenteKey(fields);
        else if (family->letter == "C")
            key = acessorioKey(fields);
        else
            key = corrugadoKey(fields, f.tem_departamento);
        if (family->carton)
            f.lsteanpack.addItem(packEntry(fields, f.tem_departamento));
        if (!listed.contains(key)) {
            listed.insert(key);
            referencias.addItem(key);
        }
        f.List1.addItem(collapsed);
    }

    // List1 holds what the item loaders read; the file's text, as long as its longest field, goes.
    lines.reset();

    // No item: told at every load, as an order not found is, with the lines left out if any.
    if (referencias.listCount() == 0) {
        f.cmd_printacessorio.visible = false;
        p.g.toldSkippedLines.reset();
        QString text = QStringLiteral("O arquivo ") + FileSystem::nameText(nome) +
                       QStringLiteral(" não tem nenhuma linha de item: não há etiquetas deste pedido para imprimir.");
        if (const QString left = skippedText(FileSystem::nameText(nome), skipped); !left.isEmpty())
            text += QStringLiteral("\n\n") + left;
        p.ws.messages.show(text, mb::Exclamation, kAtencao);
    } else {
        reportSkipped(p, caminho, FileSystem::nameText(nome), skipped);
        referencias.setListIndex(0);
        if (family->carton) {
            carrega_corrugado(p);
        } else if (!vb::Trim(referencias.text).isEmpty()) {
            if (family->letter == "C")
                carrega_grade_Acessorio(p);
            else
                carrega_gradeFc(p);
            oculta_objetos(f);
        }
    }

    f.txtgrade1.locked = true;
    f.txtgrade2.locked = true;
    f.txttotgrade.locked = true;
}
