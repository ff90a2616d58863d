// A dialog's command that prints or saves, pressed while an order number typed in the main window
// waits unconfirmed: the main window leaves the field first, so the typed order is loaded, and
// what the command prints or saves goes with what the window shows. Real windows, real clicks and
// keys; the test prints are read back from their PDF.
#include "app/frmpadrao.h"
#include "app/qtkeystrokes.h"
#include "app/wiring.h"
#include "platform/processes.h"
#include "platform/qtprinter.h"
#include "setup/setupdialogs.h"
#include "tests/common/fakejava.h"
#include "tests/common/pdftools.h"
#include "tests/common/symbols.h"
#include "tests/common/testworkstation.h"
#include "tests/x11/xinput.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

constexpr int kDpi = 600;
// A shared, loaded machine may take its time over real keys and clicks.
constexpr int kSlow = 20000;

// The demo program folder, the window and its dialogs as main() puts them together, printing to
// the PDF file printer; the QR images come from a stand-in generator. Messages are scripted.
struct DialogCommands : ::testing::Test {
    TestWorkstation t;
    QtPrinterSystem printers{t.files};
    QtKeystrokes keys;
    QtProcesses processes;
    Workstation ws{t.files, t.profile, printers, t.messages, t.screen};
    Program program{ws, t.form, t.g};
    FakeJava java{FakeJava::writesAll()};
    std::unique_ptr<FrmPadrao> window;
    std::unique_ptr<SetupDialogs> dialogs;

    void SetUp() override
    {
        const QString demo = sourceDir() + QStringLiteral("/demo");
        QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            QFile file(from);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            t.writeBytes(QDir(demo).relativeFilePath(from), file.readAll());
        }
        QDir().mkpath(t.path(QStringLiteral("tmp")));
        ws.keystrokes = &keys;
        ws.processes = &processes;
        window = std::make_unique<FrmPadrao>(program, MainWindowEvents{});
        dialogs = std::make_unique<SetupDialogs>(program, window.get());
        window->events() = programEvents(*dialogs);
        window->load();
        window->show();
        ASSERT_TRUE(activate(window.get()));
        auto* list = child<QComboBox>(QStringLiteral("CMBPRINTER"));
        list->setCurrentIndex(list->count() - 1);
        ASSERT_EQ(t.form.CMBPRINTER.text, QtPrinterSystem::kFilePrinterName);
        t.form.lbljava.caption = java.folder();
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

    // The label type chosen, the number typed into "Pedido" with real keys and confirmed with Enter.
    void loadOrder(const QString& tipo, const QString& numero)
    {
        auto* type = child<QComboBox>(QStringLiteral("cmbtipo"));
        type->setCurrentIndex(type->findText(tipo));
        ASSERT_EQ(t.form.cmbtipo.text, tipo);
        typeInOrderField(numero);
        key(QStringLiteral("Return"));
        ASSERT_TRUE(waitFor([&] { return t.form.List1.listCount() > 0 && t.form.txtarquivo.text == numero; }, kSlow));
    }

    // A real click into "Pedido", its text selected and replaced by real keys; no Enter.
    void typeInOrderField(const QString& numero)
    {
        ASSERT_TRUE(activate(window.get()));
        auto* order = child<QLineEdit>(QStringLiteral("txtarquivo"));
        // A synchronous move to where the pointer already is never ends: away first.
        xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
        click(order);
        ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == order; }, kSlow));
        key(QStringLiteral("ctrl+a"));
        typeText(numero);
        ASSERT_TRUE(waitFor([&] { return t.form.txtarquivo.text == numero; }, kSlow));
    }
};

// The EAN-13 symbols of the document, each page read in bands across.
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

struct TestPrintCase {
    const char* name;
    QString tipo, loaded, typed;  // the order loaded first, then the number typed and not confirmed
    QString dialog;
    bool accessKey;               // Alt+I in the dialog, else a click on "&Impressão de Teste"
    QStringList shows, hides;     // texts of the PDF
    QStringList codes;            // the EAN-13 symbols read back; empty: not read
    std::vector<std::pair<double, double>> bands{{0, 40}, {40, 80}};  // where they are read, mm across
    // The edit left waiting in the main window; null: "typed" typed into "Pedido".
    void (*edit)(DialogCommands&) = nullptr;
};

void PrintTo(const TestPrintCase& c, std::ostream* os) { *os << c.name; }

const TestPrintCase kTestPrints[] = {
    {"CartonByClick", QStringLiteral("Corrugado"), QStringLiteral("1400070002"), QStringLiteral("1400070001"),
     SetupDialogs::kPack, false, {"1400070001", "4402318", "TENIS CASUAL MASCULINO", "7891234500014"},
     {"4601105", "BOTA CANO CURTO", "1400070002"}, {}},
    {"CartonByAccessKey", QStringLiteral("Corrugado"), QStringLiteral("1400070002"), QStringLiteral("1400070001"),
     SetupDialogs::kPack, true, {"1400070001", "4402318", "TENIS CASUAL MASCULINO", "7891234500014"},
     {"4601105", "BOTA CANO CURTO", "1400070002"}, {}},
    {"BoxFrontByClick", QStringLiteral("Frente de Caixa"), QStringLiteral("1400050831"), QStringLiteral("1400050832"),
     SetupDialogs::kCaixa, false, {"BOTA CANO CURTO"}, {"SAPATO SOCIAL"}, {"7899123400216", "7899123400216"}},
    {"BoxFrontByAccessKey", QStringLiteral("Frente de Caixa"), QStringLiteral("1400050831"),
     QStringLiteral("1400050832"), SetupDialogs::kCaixa, true, {"BOTA CANO CURTO"}, {"SAPATO SOCIAL"},
     {"7899123400216", "7899123400216"}},
    {"HiddenByClick", QStringLiteral("Oculta"), QStringLiteral("1400050831"), QStringLiteral("1400050832"),
     SetupDialogs::kOculta, false, {}, {}, {"7899123400216", "7899123400216"}, {{0, 45}, {45, 100}}},
    {"AccessoryByAccessKey", QStringLiteral("Acessório"), QStringLiteral("1400050831"), QStringLiteral("1400060001"),
     SetupDialogs::kOculta, true, {"MEIA CANO BAIXO"}, {"BOLSA TIRACOLO"}, {"7899123400346", "7899123400346"},
     {{0, 38}, {38, 100}}},
    // "Tipo" moved from "Acessório" to "Oculta" and not left: the hidden label of the order's first
    // box-front item, not the bag still on screen.
    {"TypeChangedAndNotLeft", QStringLiteral("Acessório"), QStringLiteral("1400050831"), QString(),
     SetupDialogs::kOculta, false, {}, {}, {"7899123400018", "7899123400018"}, {{0, 45}, {45, 100}},
     [](DialogCommands& d) {
         d.typeInOrderField(QStringLiteral("1400050831"));
         key(QStringLiteral("Tab"));
         ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == d.child<QComboBox>(QStringLiteral("cmbtipo")); },
                             kSlow));
         key(QStringLiteral("Down"));
         ASSERT_TRUE(waitFor([&] { return d.t.form.cmbtipo.text == QStringLiteral("Oculta"); }, kSlow));
         ASSERT_EQ(d.t.form.txtdescricao.text, QStringLiteral("BOLSA TIRACOLO"));  // not loaded yet
     }},
    // The second item arrowed to in "Produto" and not left.
    {"ItemChosenAndNotLeft", QStringLiteral("Frente de Caixa"), QStringLiteral("1400050831"), QString(),
     SetupDialogs::kCaixa, true, {"CORRIDA LEVE"}, {"SAPATO SOCIAL"}, {"7899123400070", "7899123400070"},
     {{0, 40}, {40, 80}},
     [](DialogCommands& d) {
         d.typeInOrderField(QStringLiteral("1400050831"));
         key(QStringLiteral("Return"));
         key(QStringLiteral("Return"));
         auto* item = d.child<QComboBox>(QStringLiteral("cmb_referencia"));
         ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == item; }, kSlow));
         key(QStringLiteral("Down"));
         ASSERT_TRUE(waitFor([&] { return d.t.form.cmb_referencia.listIndex == 1; }, kSlow));
         ASSERT_EQ(d.t.form.txtdescricao.text, QStringLiteral("SAPATO SOCIAL COURO"));  // not loaded yet
     }},
};

struct TypedNumberTestPrint : DialogCommands, ::testing::WithParamInterface<TestPrintCase> {};

TEST_P(TypedNumberTestPrint, PrintsTheOrderTheWindowShows)
{
    const TestPrintCase& c = GetParam();
    loadOrder(c.tipo, c.loaded);
    if (HasFatalFailure())
        return;
    QPushButton* calibra = child<QPushButton>(QStringLiteral("cmd_calibra"));
    click(calibra);
    ASSERT_TRUE(waitFor([&] { return dialogs->margin(c.dialog) != nullptr; }, kSlow));
    QPointer<MarginDialogView> view = dialogs->margin(c.dialog);
    ASSERT_TRUE(waitFor([&] { return isActive(view); }, kSlow));

    // Back in the main window, a new number typed (or another edit) and left waiting; then the
    // dialog's command.
    if (c.edit)
        c.edit(*this);
    else
        typeInOrderField(c.typed);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(view);
    ASSERT_TRUE(printers.writtenFiles().isEmpty());
    if (c.accessKey) {
        ASSERT_TRUE(activate(view));
        key(QStringLiteral("alt+i"));
    } else {
        click(view->findChild<QPushButton*>(QStringLiteral("cmd_teste")));
    }
    ASSERT_TRUE(waitFor([&] { return printers.writtenFiles().size() == 1; }, 30000))
        << qPrintable(t.messages.texts().join(u'|'));
    EXPECT_TRUE(t.messages.shown().empty()) << qPrintable(t.messages.texts().join(u'|'));
    EXPECT_TRUE(view && view->isVisible());

    const QString file = printers.writtenFiles().first();
    const QString text = pdf::text(file);
    for (const QString& s : c.shows)
        EXPECT_TRUE(text.contains(s)) << qPrintable(s) << " not in:\n" << qPrintable(text);
    for (const QString& s : c.hides)
        EXPECT_FALSE(text.contains(s)) << qPrintable(s) << " in:\n" << qPrintable(text);
    if (!c.codes.isEmpty()) {
        EXPECT_EQ(printedCodes(file, c.bands), c.codes);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TypedNumberTestPrint, ::testing::ValuesIn(kTestPrints),
                         [](const ::testing::TestParamInfo<TestPrintCase>& info) { return std::string(info.param.name); });

// The pack dialog left open while the main window moves to a box-front order, typed and not
// left: the test print loads that order first, then tells that it calibrates cartons, and prints
// no carton left behind under the new number.
TEST_F(DialogCommands, ATestPrintOfAnotherTypeThanTheWindowsIsToldAndPrintsNothing)
{
    loadOrder(QStringLiteral("Corrugado"), QStringLiteral("1400070002"));
    if (HasFatalFailure())
        return;
    click(child<QPushButton>(QStringLiteral("cmd_calibra")));
    ASSERT_TRUE(waitFor([&] { return dialogs->margin(SetupDialogs::kPack) != nullptr; }, kSlow));
    QPointer<MarginDialogView> view = dialogs->margin(SetupDialogs::kPack);
    ASSERT_TRUE(waitFor([&] { return isActive(view); }, kSlow));

    // "Tipo" moved by keys to "Frente de Caixa", then a box-front order typed and confirmed.
    typeInOrderField(QStringLiteral("1400070002"));
    key(QStringLiteral("Tab"));
    auto* type = child<QComboBox>(QStringLiteral("cmbtipo"));
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == type; }, kSlow));
    key(QStringLiteral("Home"));
    ASSERT_TRUE(waitFor([&] { return t.form.cmbtipo.text == QStringLiteral("Frente de Caixa"); }, kSlow));
    typeInOrderField(QStringLiteral("1400050831"));
    key(QStringLiteral("Return"));
    ASSERT_TRUE(waitFor([&] { return t.form.txtdescricao.text == QStringLiteral("SAPATO SOCIAL COURO"); }, kSlow))
        << qPrintable(t.form.txtdescricao.text);
    t.messages.clear();  // the carton's number, looked up as a box-front order, is not found
    ASSERT_TRUE(view);
    click(view->findChild<QPushButton*>(QStringLiteral("cmd_teste")));
    ASSERT_TRUE(waitFor([&] { return !t.messages.shown().empty(); }, 30000));
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("Esta calibragem é da etiqueta Corrugado, e a janela principal mostra o Tipo "
                                         "\"Frente de Caixa\": a Impressão de Teste não foi feita.")});
    EXPECT_EQ(t.form.txtarquivo.text, QStringLiteral("1400050831"));
    EXPECT_TRUE(printers.writtenFiles().isEmpty());
}

// The saves: the typed order is loaded before the dialog writes and closes, whether the button
// is clicked or pressed by its access key.
TEST_F(DialogCommands, TheSavesLoadTheTypedOrderFirst)
{
    const struct {
        const char* name;
        std::function<QWidget*()> open;
        const char* button;
        const char* accessKey;  // null: a click
    } rows[] = {
        {"margins, click", [&]() -> QWidget* {
             dialogs->openMargin(SetupDialogs::kPack);
             return dialogs->margin(SetupDialogs::kPack);
         },
         "cmd_gravar", nullptr},
        {"margins, access key", [&]() -> QWidget* {
             dialogs->openMargin(SetupDialogs::kPack);
             return dialogs->margin(SetupDialogs::kPack);
         },
         "cmd_gravar", "alt+g"},
        {"printer parameters, click", [&]() -> QWidget* {
             dialogs->openParametros();
             return dialogs->parametros();
         },
         "cmd_grava", nullptr},
        {"printer parameters, access key", [&]() -> QWidget* {
             dialogs->openParametros();
             return dialogs->parametros();
         },
         "cmd_grava", "alt+g"},
    };
    const QString orders[] = {QStringLiteral("1400070001"), QStringLiteral("1400070002")};
    const QString masters[] = {QStringLiteral("4402318"), QStringLiteral("4601105")};
    loadOrder(QStringLiteral("Corrugado"), orders[1]);
    if (HasFatalFailure())
        return;
    int n = 0;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const int next = n++ % 2;  // the order not loaded now
        ASSERT_NE(t.form.txtarquivo.text, orders[next]);
        QPointer<QWidget> view = r.open();
        ASSERT_TRUE(view);
        ASSERT_TRUE(waitFor([&] { return isActive(view); }, kSlow));
        typeInOrderField(orders[next]);
        if (HasFatalFailure())
            return;
        ASSERT_NE(t.form.txtcodigo1.text, masters[next]);  // typed, not loaded yet

        auto* button = view->findChild<QPushButton*>(QString::fromLatin1(r.button));
        ASSERT_TRUE(button);
        // The printer-parameters dialog stands on its own: the main window covers it until it
        // is brought forward, as the operator would.
        ASSERT_TRUE(activate(view));
        if (r.accessKey)
            key(QString::fromLatin1(r.accessKey));
        else
            click(button);
        ASSERT_TRUE(waitFor([&] { return view.isNull() || !view->isVisible(); }, kSlow))
            << qPrintable(t.messages.texts().join(u'|'));
        EXPECT_EQ(t.form.txtcodigo1.text, masters[next]);
        EXPECT_EQ(t.form.txtarquivo.text, orders[next]);
        t.messages.clear();
    }
}

}  // namespace
