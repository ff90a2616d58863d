#include "orders/handlers.h"
#include "orders/ret_codcomplemento.h"
#include "tests/orders/orderfixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

// The demo program folder as a new user finds it: every demo order loads without a message and
// shows each of its items.
class DemoFolder : public OrderTest {
protected:
    DemoFolder()
    {
        const QString demo = sourceDir() + QStringLiteral("/demo");
        QDirIterator it(demo, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = t.path(QDir(demo).relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
    }
};

TEST_F(DemoFolder, EveryDemoOrderShowsItsItems)
{
    struct Case {
        QString tipo, numero, brand;
        int items;
        bool pictures;
    };
    const Case cases[] = {
        {kFrente, "1400050831", "MERVAL K", 3, true},
        {kOculta, "1400050832", "ORVENNA", 2, true},
        {kAcessorio, "1400050831", "MERVAL K", 2, false},
        {kAcessorio, "1400060001", "ORVENNA", 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.numero + " " + c.tipo).toStdString());
        f.txtarquivo.text = c.numero;
        f.cmbtipo.text = c.tipo;
        cmbtipo_LostFocus(p);
        EXPECT_EQ(shown(), QStringList{});
        EXPECT_EQ(f.LBLMERVALK.caption, c.brand);
        ASSERT_EQ(f.cmb_referencia.listCount(), c.items);
        for (int i = 0; i < c.items; ++i) {
            f.cmb_referencia.setListIndex(i);
            cmb_referencia_LostFocus(p);
            EXPECT_FALSE(f.txtcodigo.text.isEmpty());
            EXPECT_NE(f.TXTPARES.text.toInt(), 0) << f.cmb_referencia.text.toStdString();
            if (c.pictures) {
                EXPECT_TRUE(f.tem_imagem) << f.txtcodigo.text.toStdString();
                // Every size of a box-front item has its EAN-13 and master code.
                for (int k = 0; k < MainForm::kSizeCells && !f.Label7[k].caption.isEmpty(); ++k) {
                    ret_codcomplemento(p, f.Label7[k].caption);
                    EXPECT_EQ(f.lblbarra.caption.size(), 13) << f.Label7[k].caption.toStdString();
                    EXPECT_FALSE(f.lblmaster.caption.isEmpty());
                }
            } else {
                EXPECT_EQ(f.lblbarra.caption.size(), 13);
            }
        }
    }
    EXPECT_TRUE(t.exists(QStringLiteral("mervalk.jpg")) && t.exists(QStringLiteral("orvenna.jpg")));
}

}  // namespace
