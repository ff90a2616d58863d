// The real window started over a program folder: what it shows after start-up.
#include "app/fieldbehaviour.h"
#include "tests/app/windowfixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

TEST_F(WindowTest, FirstStartInAnEmptyFolderShowsTheDefaults)
{
    start();
    EXPECT_TRUE(t->exists(QStringLiteral("Pendrova.ini")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Etiquetas Orvenna [Versão: 2021.1.147]"));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtarquivo"))->text(), QString());
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtcliente"))->text(), QString());
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtlote"))->text(), QString());
    EXPECT_EQ(t->form.lbloculta.caption, QStringLiteral("3"));
    EXPECT_EQ(t->form.lblcompartilhamento.caption, QStringLiteral("Zebra"));
    EXPECT_EQ(t->form.lblpath.caption, t->folder());
    EXPECT_EQ(t->form.lbljava.caption, QString());
    EXPECT_FLOAT_EQ(t->g.fator_correcao, 1.1f);

    auto* tipo = child<QComboBox>(QStringLiteral("cmbtipo"));
    ASSERT_EQ(tipo->count(), 4);
    EXPECT_EQ(tipo->currentText(), QStringLiteral("Frente de Caixa"));
    EXPECT_EQ(tipo->itemText(2), QStringLiteral("Acessório"));
    EXPECT_FALSE(child<QLabel>(QStringLiteral("Label9"))->isVisible());
    EXPECT_FALSE(child<QLineEdit>(QStringLiteral("txtpromocao"))->isVisible());
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("Frame2"))->isVisible());
    EXPECT_FALSE(child<QGroupBox>(QStringLiteral("Frame3"))->isVisible());
    EXPECT_EQ(child<QGroupBox>(QStringLiteral("Frame3"))->geometry().topLeft(),
              child<QGroupBox>(QStringLiteral("Frame1"))->geometry().topLeft());
    for (int k = 0; k < 14; ++k) {
        EXPECT_FALSE(child<QLineEdit>(QStringLiteral("txtnumero"), k)->isVisible()) << k;
        EXPECT_FALSE(child<QLabel>(QStringLiteral("Label7"), k)->isVisible()) << k;
    }
    // Both logos missing: one message naming them.
    EXPECT_EQ(t->messages.texts(),
              QStringList{QStringLiteral("O(s) arquivo(s): \n MervalK.jpg\n Orvenna.jpg\nNão foi(ram) localizado(s)!")});
}

TEST_F(WindowTest, TheFocusRestsOnTheOrderFieldHighlighted)
{
    t->write(QStringLiteral("Pendrova.ini"), QStringLiteral("[Config]\r\narquivo=12\r\n"));
    start();
    auto* order = child<QLineEdit>(QStringLiteral("txtarquivo"));
    EXPECT_EQ(focus(), order);
    EXPECT_EQ(t->form.txtarquivo.backColor, kHighlightColour);
    EXPECT_EQ(order->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(order->text(), QStringLiteral("12"));
    EXPECT_EQ(order->selectedText(), QStringLiteral("12"));
}

TEST_F(WindowTest, ThreePrintersTheSecondSelected)
{
    usePrinters({QStringLiteral("Zebra"), QStringLiteral("Argox"), QStringLiteral("PDF")}, 1);
    start();
    auto* list = child<QComboBox>(QStringLiteral("CMBPRINTER"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Zebra"));
    EXPECT_EQ(list->itemText(2), QStringLiteral("PDF"));
    EXPECT_EQ(list->currentText(), QStringLiteral("Argox"));
    EXPECT_EQ(t->form.lblprinterdefault.caption, QStringLiteral("Argox"));
}

TEST_F(WindowTest, TheLayoutOfTheDesign)
{
    start();
    struct {
        const char* name;
        QRect pixels;  // twips / 15, in the container
    } rows[] = {
        {"Frame4", {224, 16, 377, 73}},
        {"Frame2", {224, 88, 377, 73}},
        {"Frame1", {0, 168, 585, 409}},
        {"pctimage", {8, 280, 121, 105}},
        {"cmd_printacessorio", {592, 280, 121, 49}},
        {"cmd_calibra", {592, 352, 121, 41}},
        {"cmd_parametro", {592, 416, 121, 41}},
        {"cmd_sair", {592, 520, 121, 49}},
        {"CMBPRINTER", {8, 592, 577, 21}},
    };
    for (const auto& r : rows) {
        QWidget* w = child<QWidget>(QString::fromLatin1(r.name));
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(w->geometry(), r.pixels) << r.name;
    }
    // The size grid: 840 + 720 x column twips, captions at 2520 and 3240, fields at 2760 and 3480.
    for (int k = 0; k < 14; ++k) {
        const int column = k % 7;
        EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtnumero"), k)->geometry(),
                  QRect(56 + 48 * column, k < 7 ? 184 : 232, 41, 28))
            << k;
        EXPECT_EQ(child<QLabel>(QStringLiteral("Label7"), k)->geometry().top(), k < 7 ? 168 : 216) << k;
        EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtnumero"), k)->alignment() & Qt::AlignRight, Qt::AlignRight);
    }
    EXPECT_EQ(window->size(), QSize(750, 671));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("cmd_printacessorio"))->text(), QStringLiteral("&Imprimir Etiquetas"));
    // A caption wider than its button wraps at a blank.
    EXPECT_EQ(child<QPushButton>(QStringLiteral("cmd_parametro"))->text(), QStringLiteral("&Parâmetro de\nImpressão"));
    EXPECT_EQ(child<QGroupBox>(QStringLiteral("Frame4"))->title(), QStringLiteral("Selecione o Pedido"));
    const QFont font = child<QLineEdit>(QStringLiteral("txtarquivo"))->font();
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(child<QGroupBox>(QStringLiteral("Frame3"))->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_FALSE(window->windowIcon().isNull());
    auto* logo = child<QLabel>(QStringLiteral("imgLogo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->pixmap().size(), QSize(217, 163));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    // Every control of the model has its widget, with its name.
    t->form.forEachControl([&](Control& c) { EXPECT_EQ(window->widgetOf(c)->objectName(), c.name); });
}

TEST_F(WindowTest, ResizingSnapsBack)
{
    start();
    window->resize(900, 700);
    settle();
    EXPECT_EQ(window->size(), QSize(750, 671));
    // A size the window was told of anyway goes back into the model and is put right.
    QResizeEvent told(QSize(800, 600), window->size());
    QCoreApplication::sendEvent(window.get(), &told);
    EXPECT_EQ(t->form.width, 11250);
    EXPECT_EQ(t->form.height, 10065);
    EXPECT_EQ(window->size(), QSize(750, 671));
}
