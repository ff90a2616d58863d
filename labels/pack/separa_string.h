#pragma once

#include <QString>

// Splits a phrase into two lines of about half its length each, joined by "|". A word that still
// fits joins the first line even after an earlier word has gone to the second.
QString SEPARA_STRING(const QString& linha);
