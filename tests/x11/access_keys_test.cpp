// Access keys (Alt and a button's underlined letter) with real keys in real windows: the focus
// leaves the control being edited first, so its lost-focus handler runs as for a click, and what
// prints is what the window then shows.
#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/wiring.h"
#include "platform/qtprinter.h"
#include "setup/setupdialogs.h"
#include "tests/app/qtprint.h"
#include "tests/common/pdftools.h"
#include "tests/common/symbols.h"
#include "tests/common/testworkstation.h"
#include "tests/x11/xinput.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest/qtestsystem.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

constexpr int kDpi = 600;

// Two orders of box-front items, and accessories under the first number.
const char* const kOrders[][2] = {
    {"PEDIDO 880001 FRENTE.txt",
     "MERVALK;PEDIDO 880001\r\n"
     "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"
     "1;PRETO;38;REF 1;SAPATO SOCIAL;789912340001;4501237038;23;A;;2;L1\r\n"
     "1;PRETO;39;REF 1;SAPATO SOCIAL;789912340002;4501237039;23;A;;2;L1\r\n"
     "2;CARAMELO;35;REF 2;SANDALIA RASTEIRA;789912340101;4503388035;24;B;;1;L1\r\n"},
    {"PEDIDO 880002 FRENTE.txt",
     "ORVENNA;PEDIDO 880002\r\n"
     "QTDE;COR;TAMANHO;REF;DESCRICAO;EAN;CODIGO;SEMANA;FAIXA;PROMOCAO;SUFIXO;LOJA\r\n"
     "1;MARROM;36;REF 3;BOTA CANO CURTO;789912340201;4601105036;24;C;;1;L1\r\n"
     "1;MARROM;37;REF 3;BOTA CANO CURTO;789912340202;4601105037;24;C;;1;L1\r\n"},
    {"PEDIDO 880001 ACESSORIO.txt",
     "MERVALK;PEDIDO 880001\r\n"
     "QTDE;COR;TAMANHO;DESCRICAO;SEMANA;FAIXA;EAN;CODIGO;PRECO;SUFIXO;PROMOCAO;LOJA\r\n"
     "2;PRETO;U;BOLSA TIRACOLO;23;A;7899123400322;7001234001;149,90;2;;L1\r\n"},
};

// The program as main() puts it together over a temporary program folder, printing through the
// real printers; messages are scripted, so any message shows up as a failure.
struct AccessKeys : ::testing::Test {
    TestWorkstation t;
    QtPrinterSystem printers{t.files};
    QtKeystrokes keys;
    Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    std::unique_ptr<FrmPadrao> window;
    std::unique_ptr<SetupDialogs> dialogs;

    void SetUp() override
    {
        QImage logo(8, 8, QImage::Format_RGB32);
        logo.fill(Qt::red);
        logo.save(t.path(QStringLiteral("mervalk.jpg")), "JPG");
        logo.save(t.path(QStringLiteral("orvenna.jpg")), "JPG");
        for (const auto& order : kOrders)
            t.write(QString::fromLatin1(order[0]), QString::fromLatin1(order[1]));
        ws.keystrokes = &keys;
        window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
        dialogs = std::make_unique<SetupDialogs>(program, window.get());
        window->events() = programEvents(*dialogs);
        window->load();
        window->show();
        ASSERT_TRUE(activate(window.get()));
        // The file printer, chosen in the list as the operator would.
        auto* list = child<QComboBox>(QStringLiteral("CMBPRINTER"));
        list->setCurrentIndex(list->count() - 1);
        ASSERT_EQ(t.form.CMBPRINTER.text, QtPrinterSystem::kFilePrinterName);
        t.messages.clear();  // start-up names the label fonts this machine lacks
    }

    void TearDown() override
    {
        dialogs.reset();
        window.reset();
    }

    template <class W>
    W* child(const QString& name) const
    {
        return window->findChild<W*>(name);
    }
    static QString focusName()
    {
        const QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString();
    }
    // Puts the keyboard on a control of the active window, as a click would.
    static void focusOn(QWidget* w)
    {
        ASSERT_EQ(QApplication::activeWindow(), w->window());
        w->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == w; }));
    }
};

// Every EAN-13 of the document, page by page, each page read in bands across.
QStringList printedCodes(const QString& file, const std::vector<std::pair<double, double>>& bands)
{
    QStringList out;
    for (int page = 1; page <= pdf::pageCount(file); ++page) {
        const QImage image = pdf::rasterise(file, page, kDpi);
        for (const auto& [x0, x1] : bands) {
            const QString code = symbols::readBand(image, kDpi, x0, x1, ZXing::BarcodeFormat::EAN13);
            if (!code.isEmpty())
                out << code;
        }
    }
    return out;
}

// An edit left without Enter or Tab, then Alt+I: what prints is what the window then shows.
struct PrintCase {
    const char* name;
    std::function<void(AccessKeys&)> edit;  // from the type list, after 880001 was loaded
    QString descricao;
    QStringList codes;
    std::vector<std::pair<double, double>> bands;  // millimetres across, one label each
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

const std::vector<std::pair<double, double>> kBoxFront{{0, 40}, {40, 80}}, kAccessory{{0, 38}, {38, 100}};

const PrintCase kPrintCases[] = {
    {"NewNumberTypedInTheOrderField",
     [](AccessKeys& f) {
         key(QStringLiteral("shift+Tab"));
         ASSERT_TRUE(waitFor([&] { return f.focusName() == QStringLiteral("txtarquivo"); }));
         typeText(QStringLiteral("880002"));
         ASSERT_TRUE(waitFor([&] { return f.t.form.txtarquivo.text == QStringLiteral("880002"); }));
     },
     QStringLiteral("BOTA CANO CURTO"), {"7899123402012", "7899123402029"}, kBoxFront},
    {"NextItemArrowedToInTheItemList",
     [](AccessKeys& f) {
         key(QStringLiteral("Return"));
         ASSERT_TRUE(waitFor([&] { return f.focusName() == QStringLiteral("cmb_referencia"); }));
         key(QStringLiteral("Down"));
         ASSERT_TRUE(waitFor([&] { return f.t.form.cmb_referencia.listIndex == 1; }));
     },
     QStringLiteral("SANDALIA RASTEIRA"), {"7899123401015", "7899123401015"}, kBoxFront},
    {"TypeListArrowedDownTwiceToAccessories",
     [](AccessKeys& f) {
         key(QStringLiteral("Down"));
         key(QStringLiteral("Down"));
         ASSERT_TRUE(waitFor([&] { return f.t.form.cmbtipo.text == QStringLiteral("Acessório"); }));
     },
     QStringLiteral("BOLSA TIRACOLO"), {"7899123400322", "7899123400322"}, kAccessory},
};

struct AccessKeyPrint : AccessKeys, ::testing::WithParamInterface<PrintCase> {};

TEST_P(AccessKeyPrint, PrintsWhatTheWindowShowsOnceTheFieldIsLeft)
{
    const PrintCase& c = GetParam();
    ASSERT_EQ(focusName(), QStringLiteral("txtarquivo"));
    typeText(QStringLiteral("880001"));
    ASSERT_TRUE(waitFor([&] { return t.form.txtarquivo.text == QStringLiteral("880001"); }));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] {
        return t.form.txtdescricao.text == QStringLiteral("SAPATO SOCIAL") && focusName() == QStringLiteral("cmbtipo");
    }));
    ASSERT_EQ(t.form.cmbtipo.text, QStringLiteral("Frente de Caixa"));
    c.edit(*this);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(printers.writtenFiles().isEmpty());

    key(QStringLiteral("alt+i"));
    ASSERT_TRUE(waitFor([&] { return printers.writtenFiles().size() == 1; }, 20000));
    EXPECT_EQ(focusName(), QStringLiteral("cmd_printacessorio"));
    EXPECT_EQ(t.form.txtdescricao.text, c.descricao);
    const QString file = printers.writtenFiles().first();
    EXPECT_EQ(printedCodes(file, c.bands), c.codes);
    const QString text = pdf::text(file);
    EXPECT_TRUE(text.contains(c.descricao)) << qPrintable(text);
    EXPECT_TRUE(t.messages.shown().empty()) << qPrintable(t.messages.texts().join(u'|'));
}

INSTANTIATE_TEST_SUITE_P(Edits, AccessKeyPrint, ::testing::ValuesIn(kPrintCases),
                         [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

// Every command button of the main window: the field's lost focus runs first, then the click, with
// the focus on the button.
TEST_F(AccessKeys, EveryButtonOfTheMainWindowTakesTheFocusBeforeItIsPressed)
{
    QStringList seen;
    MainWindowEvents& e = window->events();
    e.txtarquivo_LostFocus = [&](Program&) { seen << QStringLiteral("txtarquivo lost"); };
    auto clicked = [&](const char* name) {
        return [&, name](Program&) { seen << QString::fromLatin1(name) + QStringLiteral(" with focus on ") + focusName(); };
    };
    e.cmd_printacessorio_Click = clicked("cmd_printacessorio");
    e.cmd_calibra_Click = clicked("cmd_calibra");
    e.cmd_parametro_Click = clicked("cmd_parametro");
    e.endProgram = [&] { seen << QStringLiteral("cmd_sair with focus on ") + focusName(); };
    const struct {
        const char* keys;
        const char* button;
    } rows[] = {
        {"alt+i", "cmd_printacessorio"},
        {"alt+c", "cmd_calibra"},
        {"alt+p", "cmd_parametro"},
        {"alt+s", "cmd_sair"},  // last: it ends the window's work
    };
    auto* order = child<QLineEdit>(QStringLiteral("txtarquivo"));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.keys);
        focusOn(order);
        typeText(QStringLiteral("12"));
        ASSERT_TRUE(waitFor([&] { return order->text().endsWith(QStringLiteral("12")); }));
        seen.clear();
        key(QString::fromLatin1(r.keys));
        EXPECT_TRUE(waitFor([&] { return seen.size() == 2; }, 10000)) << qPrintable(seen.join(u'|'));
        QTest::qWait(150);  // a press that came late would show here
        EXPECT_EQ(seen, (QStringList{QStringLiteral("txtarquivo lost"),
                                     QString::fromLatin1(r.button) + QStringLiteral(" with focus on ") +
                                         QString::fromLatin1(r.button)}));
    }
}

// The dialogs' buttons take the focus the same way before they are pressed.
TEST_F(AccessKeys, TheDialogsButtonsTakeTheFocusBeforeTheyArePressed)
{
    const struct {
        const char* name;
        std::function<QWidget*()> open;
        const char* from;  // the control being edited
        const char* keys;
        const char* button;
        bool closes;
    } rows[] = {
        {"margins, test print",
         [&]() -> QWidget* {
             dialogs->openMargin(SetupDialogs::kCaixa);
             return dialogs->margin(SetupDialogs::kCaixa);
         },
         "txtmargem1", "alt+i", "cmd_teste", false},
        {"margins, leave",
         [&]() -> QWidget* {
             dialogs->openMargin(SetupDialogs::kCaixa);
             return dialogs->margin(SetupDialogs::kCaixa);
         },
         "txtmargemsuperior", "alt+s", "cmd_exit", true},
        {"printer parameters, leave",
         [&]() -> QWidget* {
             dialogs->openParametros();
             return dialogs->parametros();
         },
         "TXTPATH", "alt+s", "cmd_sair", true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QPointer<QWidget> view = r.open();
        ASSERT_TRUE(view);
        ASSERT_TRUE(waitFor([&] { return isActive(view); }));
        auto* from = view->findChild<QWidget*>(QString::fromLatin1(r.from));
        auto* button = view->findChild<QPushButton*>(QString::fromLatin1(r.button));
        ASSERT_TRUE(from && button);
        focusOn(from);
        QStringList pressedWithFocusOn;
        const auto seen = QObject::connect(button, &QPushButton::pressed, [&] { pressedWithFocusOn << focusName(); });
        key(QString::fromLatin1(r.keys));
        EXPECT_TRUE(waitFor([&] { return !pressedWithFocusOn.isEmpty(); }));
        QTest::qWait(150);
        EXPECT_EQ(pressedWithFocusOn, QStringList{QString::fromLatin1(r.button)});
        if (r.closes)
            EXPECT_TRUE(waitFor([&] { return view.isNull() || !view->isVisible(); }));
        else
            EXPECT_TRUE(view->isVisible());
        if (view) {
            QObject::disconnect(seen);
            view->close();
        }
        ASSERT_TRUE(activate(window.get()));
    }
}

}  // namespace
