#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

// The rules every order file follows, whatever its family: the family of a label type, the blank
// collapsing of a line, the reference key of an item and the pack list entry of a carton line.

struct Family {
    std::string_view tipo;           // label type as the type list shows it
    std::string_view letter;         // kept in tipo_arquivo
    std::string_view word;           // looked for in the upper-cased file name
    bool carton;                     // Frame3 and cmb_referencia1 instead of Frame1 and cmb_referencia
    std::string_view frame1Caption;  // empty: Frame1 keeps its caption
    int minFields;                   // a data line with fewer fields cannot give its key
};

inline constexpr Family kFamilies[] = {
    {"Frente de Caixa", "A", "FRENTE", false, "Caixa / Oculta", 7},
    {"Oculta", "A", "FRENTE", false, "Caixa / Oculta", 7},
    {"Corrugado", "B", "CORRUGADO", true, "", 13},
    {"Acessório", "C", "ACESSORIO", false, "Acessório", 8},
};

// The family of a label type, exact text; nothing for a type the list never offers.
const Family* familyOf(const QString& tipo);

// Runs of blanks shrink to one blank: five, four, three, two and two blanks again, each replaced
// left to right without rescanning. A run of up to 158 blanks ends as one.
QString collapseBlanks(const QString& line);

// A quantity as the workstation makes it whole: a number rounded half to even, which must then
// lie in the 16-bit range; nothing for a text that is no number or a number outside that range.
std::optional<int> wholeQuantity(const QString& text);

// Key parts joined by " | ", taken from the collapsed line's fields untrimmed.
QString frenteKey(const QStringList& f);
QString acessorioKey(const QStringList& f);
QString corrugadoKey(const QStringList& f, bool temDepartamento);

// Master code, pack code and volume joined by "|"; the volume comes from the field the carton
// loader reads it from for this line's layout.
QString packEntry(const QStringList& f, bool temDepartamento);

// The three parts of a reference key; nothing when the text splits into fewer than three.
struct KeyParts {
    QString code, description, colour;  // trimmed
};
std::optional<KeyParts> splitKey(const QString& key);
