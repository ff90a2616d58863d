// The five printer-language margin dialogs: loading, saving and the editing aids of their boxes.
#include "rawprint/margens_linguagem.h"
#include "settings/fields.h"
#include "settings/settings.h"
#include "tests/rawprint/rawfixture.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Factory = std::unique_ptr<FrmMargensLinguagem> (*)(Program&);

struct Dialog {
    const char* name;
    Factory make;
};
const Dialog kDialogs[] = {
    {"FrmMargensOcultaZPL", FrmMargensOcultaZPL},   {"FrmMargensOculta7ZPL", FrmMargensOculta7ZPL},
    {"FrmMargensOculta8ZPL", FrmMargensOculta8ZPL}, {"FrmMargensOcultaPPLa", FrmMargensOcultaPPLa},
    {"FrmMargensCxZPL", FrmMargensCxZPL},
};

QStringList texts(MarginDialog& d)
{
    QStringList out;
    for (MarginBox& b : d.boxes())
        out << b.box.text;
    return out;
}

QString setting(TestWorkstation& t, const char* key) { return readSetting(t.ws, "MargemOcultaZebra", key); }

}  // namespace

TEST(MargensLinguagemTest, StandardsWithoutASettingsFile)
{
    const QStringList expected[] = {
        {"55", "305", "570", "30"},
        {"40", "160", "280", "400", "520", "640", "760", "70"},
        {"40", "160", "280", "400", "520", "640", "760", "880", "70"},
        {"22", "150", "275"},
        {"25", "340", "3"},
    };
    for (size_t i = 0; i < std::size(kDialogs); ++i) {
        TestWorkstation t;
        auto d = kDialogs[i].make(t.program);
        d->Form_Load();
        EXPECT_TRUE(d->isOpen());
        EXPECT_EQ(texts(*d), expected[i]) << kDialogs[i].name;
        EXPECT_FALSE(t.exists(QStringLiteral("Pendrova.ini")));
        if (d->kind() != MargensLinguagem::FrenteZpl) {
            EXPECT_EQ(d->txtcodigo.text, u"50100779") << kDialogs[i].name;
        }
    }
}

TEST(MargensLinguagemTest, LoadShowsStoredTextsAndStandardsForMissingOrBlankKeys)
{
    TestWorkstation t;
    t.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[MargemOcultaZebra]\r\n"
                                                           "Margem_oculta_zpl_1=\" 60 \"\r\n"
                                                           "Margem_oculta_zpl_2=\r\n"
                                                           "Margem_oculta_zpl_3_superior=12\r\n"
                                                           "Margem_frente_zpl_1=   \r\n"
                                                           "Margem_frente_zpl_2_superior=7\r\n"));
    auto zpl = FrmMargensOcultaZPL(t.program);
    zpl->Form_Load();
    // Blanks inside quotes reach the box; only the test for a blank value trims.
    EXPECT_EQ(texts(*zpl), (QStringList{" 60 ", "305", "570", "12"}));
    auto cx = FrmMargensCxZPL(t.program);
    cx->Form_Load();
    EXPECT_EQ(texts(*cx), (QStringList{"25", "340", "7"}));
}

TEST(MargensLinguagemTest, SaveWritesStandardsForBlankBoxesAndCloses)
{
    TestWorkstation t;
    auto d = FrmMargensOcultaZPL(t.program);
    d->Form_Load();
    d->box(QStringLiteral("txtmargem1")).text = QStringLiteral("60");
    d->box(QStringLiteral("txtmargem2")).text = QStringLiteral("  ");
    d->box(QStringLiteral("txtmargem3")).text = QStringLiteral("-");
    d->box(QStringLiteral("txtmargemsuperior")).text.clear();
    d->cmd_gravar_Click();
    EXPECT_FALSE(d->isOpen());
    // Saving without a settings file creates it with this one section.
    EXPECT_EQ(t.readBytes(QStringLiteral("Pendrova.ini")).toStdString(),
              std::string("[MargemOcultaZebra]\r\nMargem_oculta_zpl_1=60\r\nMargem_oculta_zpl_2=305\r\n"
                          "Margem_oculta_zpl_3=-\r\nMargem_oculta_zpl_3_superior=30\r\n"));
}

TEST(MargensLinguagemTest, BoxFrontTopOpensAsThreeButSavesAsTen)
{
    TestWorkstation t;
    auto d = FrmMargensCxZPL(t.program);
    d->Form_Load();
    EXPECT_EQ(d->box(QStringLiteral("txtmargemsuperior")).text, u"3");
    d->box(QStringLiteral("txtmargemsuperior")).text.clear();
    d->box(QStringLiteral("txtmargem2")).text.clear();
    d->cmd_gravar_Click();
    EXPECT_EQ(setting(t, "Margem_frente_zpl_1"), u"25");
    EXPECT_EQ(setting(t, "Margem_frente_zpl_2"), u"340");
    EXPECT_EQ(setting(t, "Margem_frente_zpl_2_superior"), u"10");
}

TEST(MargensLinguagemTest, SevenAndEightAcrossShareTheirFirstSevenColumns)
{
    TestWorkstation t;
    auto seven = FrmMargensOculta7ZPL(t.program);
    seven->Form_Load();
    for (int k = 0; k < 7; ++k)
        seven->box(QStringLiteral("txtmargem1"), k).text = QString::number(50 + 100 * k);
    seven->box(QStringLiteral("txtmargemsuperior")).text = QStringLiteral("77");
    seven->cmd_gravar_Click();

    auto eight = FrmMargensOculta8ZPL(t.program);
    eight->Form_Load();
    EXPECT_EQ(texts(*eight), (QStringList{"50", "150", "250", "350", "450", "550", "650", "880", "70"}));
    eight->box(QStringLiteral("txtmargem1"), 0).text = QStringLiteral("45");
    eight->box(QStringLiteral("txtmargem1"), 7).text = QStringLiteral("890");
    eight->cmd_gravar_Click();

    seven->Form_Load();
    EXPECT_EQ(texts(*seven), (QStringList{"45", "150", "250", "350", "450", "550", "650", "77"}));
    EXPECT_EQ(setting(t, "Margem_oculta_zpl_78"), u"890");
    EXPECT_EQ(setting(t, "Margem_oculta_zpl_8_superior"), u"70");
}

TEST(MargensLinguagemTest, LeavingWritesNothingAndReopeningReadsTheFileAgain)
{
    TestWorkstation t;
    t.form.txtcodigo.text = QStringLiteral("5010077");
    auto d = FrmMargensOcultaPPLa(t.program);
    d->Form_Load();
    EXPECT_EQ(d->txtcodigo.text, u"5010077");
    t.form.txtcodigo.text = QStringLiteral("9999999");  // loaded after opening: not seen
    EXPECT_EQ(d->txtcodigo.text, u"5010077");
    d->box(QStringLiteral("txtmargem1")).text = QStringLiteral("99");
    d->cmd_exit_Click();
    EXPECT_FALSE(d->isOpen());
    EXPECT_FALSE(t.exists(QStringLiteral("Pendrova.ini")));
    d->Form_Load();
    EXPECT_EQ(texts(*d), (QStringList{"22", "150", "275"}));
}

TEST(MargensLinguagemTest, KeyFiltersAndSelectionOnEntry)
{
    struct {
        size_t dialog;
        const char* box;
        int index;
        bool decimal;      // "." becomes ","
        bool filtered;     // letters are dropped
        bool selects;
    } rows[] = {
        {0, "txtmargem1", -1, false, true, true},
        {0, "txtmargemsuperior", -1, false, true, true},
        {1, "txtmargem1", 6, false, true, true},
        {1, "txtmargemsuperior", -1, false, true, true},
        {2, "txtmargem1", 7, false, true, true},
        {2, "txtmargemsuperior", -1, false, false, false},  // accepts every key, selects nothing
        {3, "txtmargem3", -1, false, true, true},
        {4, "txtmargem2", -1, true, true, true},
        {4, "txtmargemsuperior", -1, true, true, true},
    };
    for (const auto& r : rows) {
        TestWorkstation t;
        auto d = kDialogs[r.dialog].make(t.program);
        d->Form_Load();
        int i = 0;
        while (d->boxes()[i].box.name != QLatin1String(r.box) || d->boxes()[i].index != r.index)
            ++i;
        const QString where = QStringLiteral("%1 %2(%3)").arg(kDialogs[r.dialog].name, r.box).arg(r.index);
        EXPECT_EQ(d->KeyPress(i, '7'), '7') << qPrintable(where);
        EXPECT_EQ(d->KeyPress(i, key::Backspace), key::Backspace) << qPrintable(where);
        EXPECT_EQ(d->KeyPress(i, '-'), '-') << qPrintable(where);
        EXPECT_EQ(d->KeyPress(i, 'a'), r.filtered ? 0 : 'a') << qPrintable(where);
        EXPECT_EQ(d->KeyPress(i, '.'), r.decimal ? ',' : (r.filtered ? 0 : '.')) << qPrintable(where);
        EXPECT_EQ(d->KeyPress(i, ','), r.decimal || !r.filtered ? ',' : 0) << qPrintable(where);
        TextBox& box = d->boxes()[i].box;
        box.text = QStringLiteral(" 12 ");
        box.selStart = 3;
        box.selLength = 0;
        d->GotFocus(i);
        EXPECT_EQ(box.selStart, r.selects ? 0 : 3) << qPrintable(where);
        EXPECT_EQ(box.selLength, r.selects ? 2 : 0) << qPrintable(where);
    }
}

TEST(MargensLinguagemTest, WindowsKeysAndKeyboardOrder)
{
    struct {
        const char* caption;
        const char* frame;
        QStringList keys;
        QStringList tabOrder;
    } rows[] = {
        {"Calibrar Margens - Etiqueta Oculta - ZPL", "Etiqueta 30x10x3",
         {"Margem_oculta_zpl_1", "Margem_oculta_zpl_2", "Margem_oculta_zpl_3", "Margem_oculta_zpl_3_superior"},
         {"txtmargem1", "txtmargem2", "txtmargem3", "txtmargemsuperior", "cmd_gravar", "cmd_teste", "cmd_exit"}},
        {"Calibrar Margens - Etiqueta Oculta - ZPL", "Etiqueta 10x30x7",
         {"Margem_oculta_zpl_71", "Margem_oculta_zpl_72", "Margem_oculta_zpl_73", "Margem_oculta_zpl_74",
          "Margem_oculta_zpl_75", "Margem_oculta_zpl_76", "Margem_oculta_zpl_77", "Margem_oculta_zpl_7_superior"},
         {"txtmargem1_0", "txtmargem1_1", "txtmargem1_2", "txtmargem1_3", "txtmargem1_4", "txtmargem1_5",
          "txtmargemsuperior", "txtmargem1_6", "cmd_teste", "cmd_gravar", "cmd_exit"}},
        {"Calibrar Margens - Etiqueta Oculta - ZPL", "Etiqueta 10x30x8",
         {"Margem_oculta_zpl_71", "Margem_oculta_zpl_72", "Margem_oculta_zpl_73", "Margem_oculta_zpl_74",
          "Margem_oculta_zpl_75", "Margem_oculta_zpl_76", "Margem_oculta_zpl_77", "Margem_oculta_zpl_78",
          "Margem_oculta_zpl_8_superior"},
         {"txtmargem1_0", "txtmargem1_1", "txtmargem1_2", "txtmargem1_3", "txtmargem1_4", "txtmargem1_5",
          "txtmargem1_6", "txtmargem1_7", "txtmargemsuperior", "cmd_teste", "cmd_gravar", "cmd_exit"}},
        {"Calibrar Margens - Etiqueta Oculta - PPLA", "Etiqueta 30x10x3",
         {"Margem_oculta_ppla_1", "Margem_oculta_ppla_2", "Margem_oculta_ppla_3"},
         {"txtmargem1", "txtmargem2", "txtmargem3", "cmd_gravar", "cmd_teste", "cmd_exit"}},
        {"Calibrar Margens - Etiqueta Frente de Caixa - ZPL", "Etiqueta 40x45x2",
         {"Margem_frente_zpl_1", "Margem_frente_zpl_2", "Margem_frente_zpl_2_superior"},
         {"txtmargem1", "txtmargem2", "txtmargemsuperior", "cmd_gravar", "cmd_teste", "cmd_exit"}},
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        TestWorkstation t;
        auto d = kDialogs[i].make(t.program);
        const MarginDialogLayout& l = d->layout();
        EXPECT_EQ(l.caption, QString::fromUtf8(rows[i].caption)) << i;
        EXPECT_EQ(l.frame.caption, QString::fromUtf8(rows[i].frame)) << i;
        EXPECT_EQ(l.section, u"MargemOcultaZebra");
        QStringList keys;
        std::vector<std::pair<int, QString>> order;
        for (const MarginBox& b : l.boxes) {
            keys << b.key;
            order.emplace_back(b.box.tabIndex, b.index < 0 ? b.box.name : b.box.name + u'_' + QString::number(b.index));
        }
        for (const CommandButton* c : {&l.cmd_gravar, &l.cmd_teste, &l.cmd_exit})
            order.emplace_back(c->tabIndex, c->name);
        std::sort(order.begin(), order.end());
        QStringList tabs;
        for (const auto& o : order)
            tabs << o.second;
        EXPECT_EQ(keys, rows[i].keys) << i;
        EXPECT_EQ(tabs, rows[i].tabOrder) << i;
        // The standard captions over the sketches are the values a blank column takes.
        for (const MarginBox& b : l.boxes) {
            if (b.box.name == u"txtmargemsuperior")
                continue;
            const bool shown = std::any_of(l.labels.begin(), l.labels.end(), [&](const auto& c) {
                return c.label.caption == b.loadStandard && c.label.top == 480;
            });
            EXPECT_TRUE(shown) << i << " " << qPrintable(b.key);
        }
    }
}
