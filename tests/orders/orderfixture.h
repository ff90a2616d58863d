#pragma once

#include "form/program.h"
#include "orders/carrega_pedido.h"
#include "tests/common/testworkstation.h"

#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '{';
    for (const QString& s : l)
        *os << " \"" << s.toStdString() << '"';
    *os << " }";
}

// A temporary program folder that is also the orders folder, with helpers to write order files
// and to load them as the window would.
class OrderTest : public ::testing::Test {
protected:
    OrderTest() { f.lblpath.caption = t.folder(); }

    // Lines joined by CR LF, written in Windows-1252.
    void order(const QString& name, const QStringList& lines) const
    {
        t.write(name, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }
    void load(const QString& tipo, const QString& numero)
    {
        f.cmbtipo.text = tipo;
        f.txtarquivo.text = numero;
        f.cmb_referencia.clear();
        carrega_pedido(p);
    }
    // The reference list and List1 as the item loaders see them, without an order file.
    void lines(const QStringList& items) { f.List1.items = items; }
    void choose(ComboBox& list, const QString& key)
    {
        list.clear();
        list.addItem(key);
        list.setListIndex(0);
    }
    QStringList shown() const { return t.messages.texts(); }

    TestWorkstation t;
    MainForm& f = t.form;
    Program& p = t.program;
};

inline const QString kFrente = QStringLiteral("Frente de Caixa");
inline const QString kOculta = QStringLiteral("Oculta");
inline const QString kAcessorio = QStringLiteral("Acessório");
inline const QString kCorrugado = QStringLiteral("Corrugado");
