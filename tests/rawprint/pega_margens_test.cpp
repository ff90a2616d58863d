#include "rawprint/pega_margens.h"
#include "tests/rawprint/rawfixture.h"

#include <gtest/gtest.h>

namespace {

using Reader = MarginSet (*)(Program&);

struct Row {
    const char* name;
    Reader read;
    QStringList zplColumns;
    std::optional<QString> zplTop;
    QStringList pplaColumns;
    std::optional<QString> pplaTop;
};

const Row kRows[] = {
    {"pega_margemoculta", pega_margemoculta, {"55", "305", "570"}, "30", {"22", "150", "275"}, std::nullopt},
    {"pega_margemoculta7", pega_margemoculta7, {"40", "160", "280", "400", "520", "640", "760"}, "70",
     {"22", "150", "275", "275", "275", "275", "275"}, std::nullopt},
    {"pega_margemoculta8", pega_margemoculta8, {"40", "160", "280", "400", "520", "640", "760", "880"}, "70",
     {"22", "150", "275", "275", "275", "275", "275", "275"}, std::nullopt},
    {"pega_margemfc", pega_margemfc, {"25", "340"}, "10", {"4", "160"}, "10"},
    {"pega_margemfc2", pega_margemfc2, {"260", "610"}, "25", {"4", "160"}, "10"},
    {"pega_margemcorrugado", pega_margemcorrugado, {"25"}, "70", {"19"}, "58"},
};

}  // namespace

TEST(PegaMargensTest, StandardsOfEachLanguage)
{
    for (const Row& r : kRows) {
        // A settings file without any of these keys; the captions that are not exactly "ZPL" read PPLA.
        for (const char* language : {"ZPL", "PPLA", "Label17", "zpl"}) {
            TestWorkstation t;
            t.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[MargemOcultaZebra]\r\nMx4045=2,2\r\n"));
            t.form.lbllinguagem.caption = QString::fromLatin1(language);
            const MarginSet set = r.read(t.program);
            const bool zpl = QLatin1String(language) == QLatin1String("ZPL");
            EXPECT_EQ(set.columns, zpl ? r.zplColumns : r.pplaColumns) << r.name << " " << language;
            EXPECT_EQ(set.top, zpl ? r.zplTop : r.pplaTop) << r.name << " " << language;
            EXPECT_EQ(t.form.arquivo_ini, t.path(QStringLiteral("Pendrova.ini")));
        }
    }
}

TEST(PegaMargensTest, WithoutASettingsFileEveryValueStaysEmpty)
{
    for (const Row& r : kRows) {
        for (const char* language : {"ZPL", "PPLA"}) {
            TestWorkstation t;
            t.form.lbllinguagem.caption = QString::fromLatin1(language);
            const MarginSet set = r.read(t.program);
            const bool zpl = QLatin1String(language) == QLatin1String("ZPL");
            EXPECT_EQ(set.columns, QStringList(zpl ? r.zplColumns.size() : r.pplaColumns.size(), QString())) << r.name;
            EXPECT_EQ(set.top.has_value(), (zpl ? r.zplTop : r.pplaTop).has_value()) << r.name;
            EXPECT_EQ(set.top.value_or(QString()), QString()) << r.name;
            EXPECT_EQ(t.form.arquivo_ini, t.path(QStringLiteral("Pendrova.ini")));
        }
    }
}

TEST(PegaMargensTest, StoredValuesAsReadBlanksOnlyTakeTheStandard)
{
    TestWorkstation t;
    t.write(QStringLiteral("Pendrova.ini"), QStringLiteral("[MargemOcultaZebra]\r\n"
                                                           "Margem_oculta_zpl_71=45\r\n"
                                                           "Margem_oculta_zpl_72=\"   \"\r\n"
                                                           "Margem_oculta_zpl_73=\" 290 \"\r\n"
                                                           "Margem_oculta_zpl_78=\r\n"
                                                           "Margem_oculta_zpl_8_superior=66\r\n"
                                                           "Margem_oculta_ppla_77=300\r\n"
                                                           "Margem_Corrugada_PPLA_Superior=60\r\n"));
    t.form.lbllinguagem.caption = QStringLiteral("ZPL");
    const MarginSet eight = pega_margemoculta8(t.program);
    EXPECT_EQ(eight.columns, (QStringList{"45", "160", " 290 ", "400", "520", "640", "760", "880"}));
    EXPECT_EQ(eight.top, u"66");
    EXPECT_EQ(pega_margemoculta7(t.program).top, u"70");  // its top key is its own

    t.form.lbllinguagem.caption = QStringLiteral("PPLA");
    // Column 8 reads column 7's key again.
    EXPECT_EQ(pega_margemoculta8(t.program).columns,
              (QStringList{"22", "150", "275", "275", "275", "275", "300", "300"}));
    const MarginSet corrugado = pega_margemcorrugado(t.program);
    EXPECT_EQ(corrugado.columns, QStringList{"19"});
    EXPECT_EQ(corrugado.top, u"60");
}
