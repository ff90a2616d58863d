#pragma once

#include <QString>

// Plain letters for the accented vowels and the c-cedilla of Portuguese text, character by
// character; the length never changes.
QString tira_acento(const QString& text);
