#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The workstation's text and number rules, as the program's code relies on them. Positions are
// counted from 1 as the program's code counts them; nothing here fails on short text.
namespace vb {

// Trimming removes blanks only; tabs and other white space stay.
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);

QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
// Mid from 1-based start, all the rest when length is negative.
QString Mid(const QString& s, int start, int length = -1);
int Len(const QString& s);
// 1-based position of needle at or after start, 0 when absent; exact comparison.
int InStr(const QString& haystack, const QString& needle, int start = 1);

// Case changes that keep the length: one character in, one character out.
QString UCase(const QString& s);
QString LCase(const QString& s);

// Split as the workstation does it: an empty text gives no parts at all.
QStringList Split(const QString& s, const QString& separator);
// The workstation's Replace: every occurrence, exact comparison.
QString Replace(const QString& s, const QString& find, const QString& with);
QString Space(int n);
QString String(int n, QChar c);

// Numbers in the regional format: decimal comma, "." only as a thousands separator between
// groups of three digits. Blanks around the number are allowed. nullopt when the text is not a
// number. The process locale plays no part.
std::optional<double> parseNumber(const QString& s);
bool IsNumeric(const QString& s);
// Conversions that raise "Type mismatch" on text that is not a number.
double CDbl(const QString& s);
float CSng(const QString& s);
// Whole-number conversions: round half to even, raise "Overflow" outside the type's range.
int16_t CInt(double v);
int16_t CInt(const QString& s);
int32_t CLng(double v);
int32_t CLng(const QString& s);
// Val reads the leading number of a text with a decimal point, whatever the locale, and stops at
// the first character that does not belong to it; no number gives 0.
double Val(const QString& s);
// Number to text in the regional format (decimal comma, no grouping), as CStr writes it.
QString CStr(double v);
QString CStr(float v);
QString CStr(int v);

}  // namespace vb
