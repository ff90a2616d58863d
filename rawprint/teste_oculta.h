#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The test rows of the hidden-label margin dialogs.

// ZPL: the code once per column at the column's x, every field at the top y; the text upright
// for three across, turned for seven and eight across.
QStringList linhasTesteOcultaZpl(const QStringList& columns, const QString& top, const QString& code, bool turned,
                                 const QString& darkness, const QString& speed);

// Seven and eight across: a blank column takes its standard, and so does a column that is left
// of its left neighbour or does not read as a 16-bit whole number. Each column is compared
// after the one on its left has been settled.
void corrigeColunas(std::vector<QString*>& columns, const QStringList& standards);

// PPLA: three text records on the fixed row 0015, one label.
QStringList linhasTesteOcultaPpla(const QStringList& columns, const QString& code);
// The column field: a number with at least four digits, zero-filled; other text unchanged.
QString formatoPpla(const QString& value);
