// The test print of the carton margin dialog: which volume and which layout it prints, and when it
// prints nothing.
#include "orders/carrega_corrugado.h"
#include "tests/setup/teste_impressao_fixture.h"

namespace {

TEST_F(TestePrint, PackPrintsOnePageForTheFirstChosenVolume)
{
    cartonOrder();
    f.cmb_vol1.setListIndex(2);  // volumes 3 to 9
    ASSERT_EQ(f.cmb_vol1.text, QStringLiteral("3"));
    ASSERT_EQ(f.cmb_vol2.text, QStringLiteral("9"));
    const QByteArray before = settingsFile();
    auto d = typed<FrmMargensPackZPL>({"2,5", "2,1"});
    d->cmd_teste_Click();

    EXPECT_FLOAT_EQ(g.margem_pack_x, 2.5f);
    EXPECT_FLOAT_EQ(g.margem_pack_y, 2.1f);
    const auto pages = printed();
    ASSERT_EQ(pages.size(), 1u) << tw.messages.texts().join("|").toStdString();
    const QStringList texts = textsOf(pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("Volume: 3/9"))) << texts.join("|").toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("7891234500030"))) << texts.join("|").toStdString();
    EXPECT_NEAR(pages[0].sizeMm.height(), 9000 / 1440.0 * 25.4, 1e-3);
    EXPECT_TRUE(defaultCurrent());
    EXPECT_EQ(settingsFile(), before);
}

// One model in two colours shares the master code: the test print of the carton chosen in
// "Produto" carries that carton's own first volume, its code and its QR image.
TEST_F(TestePrint, PackPrintsTheChosenCartonsOwnVolumeBesideAnotherOfItsMasterCode)
{
    QStringList lines{QStringLiteral("MERVALK;PEDIDO 780007;DISTRIBUIDORA"),
                      QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                                     "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO")};
    const struct {
        const char* colour;
        const char* codes[2];
    } cartons[] = {{"PRETO", {"7891234500014", "7891234500021"}}, {"BRANCO", {"7891234500106", "7891234500113"}}};
    for (const auto& c : cartons)
        for (int v = 1; v <= 2; ++v) {
            lines << QStringLiteral("24;01;4402318;PASSO FIRME LTDA;%1;TENIS CASUAL;%2;37 38 39;2 4 6;24;32;CD CAJAMAR;"
                                    "0%3/02;2026;VERAO;MASCULINO;01/12/2026")
                         .arg(QString::fromLatin1(c.colour), QString::fromLatin1(c.codes[v - 1]))
                         .arg(v);
            QImage qr(66, 66, QImage::Format_RGB32);
            qr.fill(Qt::white);
            qr.save(tw.path(QStringLiteral("tmp/%1.jpg").arg(QString::fromLatin1(c.codes[v - 1]))), "JPG");
        }
    tw.write(QStringLiteral("jre/java"), QStringLiteral("#!/bin/sh\n"));
    f.lbljava.caption = tw.path(QStringLiteral("jre"));
    order(kCorrugado, QStringLiteral("780007"), QStringLiteral("CORRUGADO"), lines);
    f.cmb_referencia1.setListIndex(1);
    carrega_corrugado(p);
    ASSERT_EQ(f.txtcor1.text, QStringLiteral("BRANCO"));

    typed<FrmMargensPackZPL>({"3", "3"})->cmd_teste_Click();

    const auto pages = printed();
    ASSERT_EQ(pages.size(), 1u) << tw.messages.texts().join("|").toStdString();
    const QStringList texts = textsOf(pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("7891234500106"))) << texts.join("|").toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("7891234500014"))) << texts.join("|").toStdString();
    QStringList pictures;
    for (const Op& op : pages[0].ops)
        if (op.kind == RecordingPrinter::Kind::Picture)
            pictures << op.file;
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_TRUE(pictures[0].endsWith(QStringLiteral("/tmp/7891234500106.jpg"))) << pictures[0].toStdString();
}

TEST_F(TestePrint, PackBeforeAnyOrderLoadTakesTheOlderLayout)
{
    cartonOrder();
    struct Case {
        const char* caption;
        bool qrImages;  // the current layout paints the QR images; the older one a Code 39 symbol
    };
    const Case cases[] = {{"F", false}, {"T", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        f.lblpacknovo.caption = QString::fromLatin1(c.caption);
        const size_t before = printed().size();
        typed<FrmMargensPackZPL>({"3", "3"})->cmd_teste_Click();
        const auto pages = printed();
        ASSERT_EQ(pages.size(), before + 1);
        bool qr = false;
        for (const Op& op : pages.back().ops)
            qr = qr || (op.kind == RecordingPrinter::Kind::Picture && op.file.contains(QStringLiteral("7891234500")));
        EXPECT_EQ(qr, c.qrImages);
    }
}

TEST_F(TestePrint, PackWithoutAVolumeOrAJavaFolderPrintsNothing)
{
    struct Case {
        const char* name;
        QString volume;
        bool java;
        QStringList messages;
    };
    const Case cases[] = {
        {"volume that is no number", QStringLiteral("x"), true, {}},
        {"no Java folder set", QStringLiteral("1"), false,
         {QStringLiteral("O Caminho do arquivo Java.exe não foi definido!")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalibraDesk desk;
        desk.cartonOrder();
        desk.f.cmb_vol1.text = c.volume;
        if (!c.java)
            desk.f.lbljava.caption.clear();
        FrmMargensPackZPL d(desk.p);
        d.Form_Load();
        d.cmd_teste_Click();
        EXPECT_TRUE(desk.printed().empty());
        EXPECT_EQ(desk.chosen.openDocument(), nullptr);
        EXPECT_TRUE(desk.defaultCurrent());
        // The pack layout's own messages follow the first one.
        const QStringList shown = desk.tw.messages.texts();
        EXPECT_EQ(shown.mid(0, c.messages.size()), c.messages);
        EXPECT_EQ(shown.isEmpty(), c.messages.isEmpty());
        EXPECT_TRUE(d.isOpen());
    }
}

TEST_F(TestePrint, PackOfACartonWhoseVolumeGivesNoVolumeSaysSoAndPrintsNothing)
{
    cartonOrder();
    for (const char* volume : {"4/2", "x/1"}) {
        SCOPED_TRACE(volume);
        tw.messages.clear();
        order(kCorrugado, QStringLiteral("780005"), QStringLiteral("CORRUGADO"),
              {QStringLiteral("MERVALK;PEDIDO 780005;DISTRIBUIDORA"),
               QStringLiteral("QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;GRADE;QTDE GRADE;TOTAL;SEMANA;"
                              "DESTINO;VOLUME;SUFIXO;CAMPANHA;DEPARTAMENTO;INICIO PROMOCAO"),
               QStringLiteral("24;01;4402318;PASSO FIRME LTDA;PRETO;TENIS CASUAL MASCULINO;7891234500010;37 38 39;"
                              "2 4 6;24;32;CD CAJAMAR;%1;2026;VERAO;MASCULINO;01/12/2026")
                   .arg(QString::fromLatin1(volume))});
        ASSERT_EQ(f.cmb_vol1.listCount(), 0);
        auto d = typed<FrmMargensPackZPL>({"3", "3"});
        d->cmd_teste_Click();
        EXPECT_EQ(tw.messages.texts(),
                  QStringList{QStringLiteral("O volume do corrugado no pedido (\"%1\") não indica nenhum volume a "
                                             "imprimir. Nenhuma etiqueta foi impressa.")
                                  .arg(QString::fromLatin1(volume))});
        EXPECT_TRUE(printed().empty());
        EXPECT_EQ(chosen.openDocument(), nullptr);
        EXPECT_TRUE(defaultCurrent());
    }
}

}  // namespace
