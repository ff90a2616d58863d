#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the workstation's single-byte code page, by our own table so no system codec
// decides what a byte means. The five bytes the code page leaves undefined map to the control
// characters of the same value and back; characters outside the code page are written as "?".
namespace cp1252 {
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
}  // namespace cp1252
