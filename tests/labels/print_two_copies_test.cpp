#include "tests/common/fakejava.h"
#include "tests/common/testworkstation.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Two copies of the program on one program folder print the same carton order at once, each
// through its own print command and generator runs. The request and the images keep fixed names
// in tmp; each copy's QR step takes its turn there, so neither deletes or replaces what the other
// is about to read, and every print of both comes out.
TEST(TwoCopies, BothPrintEveryCartonWhileSharingTmp)
{
    constexpr int kPrints = 50;
    TestWorkstation tw;
    ASSERT_TRUE(QDir().mkpath(tw.path(QStringLiteral("tmp"))));
    // Two orders without the department column, so every print generates its images afresh;
    // each copy prints one of them.
    const QString orders[] = {QStringLiteral("780030"), QStringLiteral("780031")};
    for (int i = 0; i < 2; ++i) {
        QString text = QStringLiteral("ORVENNA;PEDIDO %1;DISTRIBUIDORA\r\n"
                                      "QTDE;LOJA;MASTER;FORNECEDOR;COR;DESCRICAO;EAN;PRE PACK;GRADE;QTDE GRADE;TOTAL;"
                                      "SEMANA;DESTINO;VOLUME\r\n")
                           .arg(orders[i]);
        for (int v = 1; v <= 3; ++v)
            text += QStringLiteral("12;01;4601105;SERRA AZUL;MARROM;BOTA;78912346%1%2;4601105P12;35 36;2 4;12;33;CD;"
                                   "%2/3\r\n")
                        .arg(i)
                        .arg(v);
        tw.write(QStringLiteral("PEDIDO %1 CORRUGADO.txt").arg(orders[i]), text);
    }
    // A generator that takes a moment over each image, as the real one does.
    FakeJava java(QStringLiteral("for c in $CODES; do sleep 0.01; cp \"$FIXTURE\" \"tmp/$c.jpg\"; done"));

    std::unique_ptr<QProcess> copies[2];
    for (int i = 0; i < 2; ++i) {
        auto& copy = copies[i];
        copy = std::make_unique<QProcess>();
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QStringLiteral(ETIQUETAS_CARTON_COPY),
                    {tw.folder(), java.folder(), orders[i], QString::number(kPrints)});
        ASSERT_TRUE(copy->waitForStarted());
    }
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "first copy" : "second copy");
        QProcess& copy = *copies[i];
        // Bounded only so that a hang fails the test instead of stalling the suite.
        ASSERT_TRUE(copy.waitForFinished(240000));
        ASSERT_EQ(copy.exitStatus(), QProcess::NormalExit);
        const QStringList lines = QString::fromUtf8(copy.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QStringList failed;
        int printed = 0;
        for (const QString& line : lines) {
            if (line.startsWith(QStringLiteral("impresso ")))
                ++printed;
            else if (line != QStringLiteral("fim"))
                failed << line;
        }
        EXPECT_TRUE(failed.isEmpty()) << failed.join(u'\n').toStdString();
        EXPECT_EQ(printed, kPrints);
        EXPECT_EQ(lines.value(lines.size() - 1), QStringLiteral("fim"));
    }
    const QStringList pdfs =
        QDir(tw.path(QStringLiteral("impressos"))).entryList({QStringLiteral("etiquetas-*.pdf")}, QDir::Files);
    EXPECT_EQ(pdfs.size(), 2 * kPrints);
}

}  // namespace
