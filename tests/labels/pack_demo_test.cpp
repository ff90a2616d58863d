#include "labels/pack/novo_etipack.h"
#include "orders/carrega_pedido.h"
#include "platform/processes.h"
#include "settings/keys.h"
#include "settings/settings.h"
#include "tests/common/testworkstation.h"
#include "tests/labels/pack_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The demo cartons, loaded as the operator loads them, with the demo settings and the real
// generator: every volume gets the QR image of its own pack code.
TEST(PackDemo, DemoCartonOrdersPrintWithTheirQrImages)
{
    ASSERT_TRUE(QFile::exists(builtQrlumoJar())) << "build the qrlumo target first";
    struct {
        const char* order;
        int volumes;
        const char* department;
    } const cases[] = {
        {"1400070001", 4, "MASCULINO"},
        {"1400070002", 3, "ACESSÓRIOS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        TestWorkstation ws;
        const QDir demo(sourceDir() + QStringLiteral("/demo"));
        for (const QString& name : demo.entryList({QStringLiteral("*CORRUGADO*.txt"), QStringLiteral("Pendrova.ini")}))
            ASSERT_TRUE(QFile::copy(demo.filePath(name), ws.path(name)));
        ASSERT_TRUE(QFile::copy(builtQrlumoJar(), ws.path(QStringLiteral("qrlumo.jar"))));
        QDir().mkpath(ws.path(QStringLiteral("tmp")));
        QtProcesses processes;
        ws.ws.processes = &processes;

        MainForm& f = ws.form;
        f.lbljava.caption = readSetting(ws.ws, ini::kImpressora, "Java");
        f.lblpath.caption = readSetting(ws.ws, ini::kImpressora, "Path");
        f.cmbtipo.text = QStringLiteral("Corrugado");
        f.txtarquivo.text = QString::fromLatin1(c.order);
        carrega_pedido(ws.program);
        ASSERT_TRUE(ws.messages.shown().empty()) << ws.messages.texts().join(u'\n').toStdString();
        ASSERT_EQ(f.cmb_vol2.listCount(), c.volumes);

        RecordingPrinter& pr = ws.printers.recording();
        ws.g.margem_pack_x = 2.2f;
        ws.g.margem_pack_y = 2.1f;
        QString cd = f.txtdestino1.text, codigo = f.txtean.text;
        Novo_EtiPack(ws.program, ws.g.codigo_marca, cd, f.txtarquivo.text, f.txtcodigo1.text, f.txtfornecedor1.text,
                     f.txtdescricao1.text, f.txtcor1.text, codigo, f.txtgrade1.text, f.txtgrade2.text,
                     f.txttotgrade.text, 1, static_cast<int16_t>(c.volumes), f.txtsemana1.text);
        pr.endDoc();

        ASSERT_TRUE(ws.messages.shown().empty()) << ws.messages.texts().join(u'\n').toStdString();
        ASSERT_EQ(pr.documents().size(), 1u);
        const auto& pages = pr.documents()[0].pages;
        ASSERT_EQ(pages.size(), static_cast<size_t>(c.volumes));
        QStringList seen;
        for (int v = 1; v <= c.volumes; ++v) {
            SCOPED_TRACE(v);
            const auto& page = pages[v - 1];
            EXPECT_NE(page.findText(QString::fromUtf8(c.department)), nullptr);
            const RecordingPrinter::Op* picture = nullptr;
            for (const auto& op : page.ops)
                if (op.kind == RecordingPrinter::Kind::Picture)
                    picture = &op;
            ASSERT_NE(picture, nullptr);
            const QString code = decodeQr(QImage(picture->file));
            EXPECT_FALSE(code.isEmpty());
            EXPECT_NE(page.findText(code), nullptr) << "the code under the picture is the one it encodes";
            seen << code;
        }
        seen.removeDuplicates();
        EXPECT_EQ(seen.size(), c.volumes) << "each volume has a pack code of its own";
    }
}

}  // namespace
