#pragma once

// The print command's fixture and the texts its messages are checked against, for the tests of
// the run itself and of the sizes it leaves out.
#include "tests/labels/print_fixture.h"

struct PrintCommandTest : ::testing::Test, PrintDesk {};

using Page = RecordingPrinter::Page;

inline const QString kEan38 = QStringLiteral("7891234567802");
inline const QString kEan39 = QStringLiteral("7891234567819");
inline const QString kColour = QStringLiteral("O Item está sem COR!, Imprimir mesmo assim");
inline const QString kLogo = QStringLiteral("O Arquivo do Logotipo não foi localizado");
inline const QString kSelect = QStringLiteral("Selecione o Item que deseja Imprimir");
inline const QString kInvalid = QStringLiteral("Código Inválido");
inline const QString kOcultas = QStringLiteral("Quantidade de Etiquetas Ocultas - Inválida");
inline const QString k1012 = QStringLiteral("Erro - 1012 - Código Master - Contate Suporte ");
// The message after a run that left labels out, and its reasons.
inline const QString kHead = QStringLiteral("Etiquetas não impressas:");
inline const QString kNoEan = QStringLiteral("o pedido não tem o EAN deste tamanho");
inline const QString kNotNumber = QStringLiteral("o tamanho não é um número, e o EAN só é procurado para tamanhos numéricos");
inline const QString kAfterStop = QStringLiteral("a impressão parou antes deste tamanho (Erro - 1012)");
inline const QString kCheckDigit = QStringLiteral("o dígito verificador não confere");
inline const QString kTooLong = QStringLiteral("tem mais de 13 dígitos");
inline QString refused(const QString& drawerText)
{
    return QStringLiteral("o código de barras não pôde ser gerado (") + drawerText + u')';
}
inline QString badQuantity(const QString& typed)
{
    return QStringLiteral("a quantidade \"") + typed + QStringLiteral("\" não é um número inteiro de 0 a 32767");
}
inline QString roundsToNoLabel(const QString& typed)
{
    return QStringLiteral("a quantidade \"") + typed + QStringLiteral("\" arredondada dá 0 etiquetas");
}
// kHead and one line per label left out.
inline QStringList leftOut(const QStringList& lines) { return {kHead + u'\n' + lines.join(u'\n')}; }
