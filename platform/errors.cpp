#include "platform/errors.h"

ProgramError::ProgramError(long number, QString source, QString description)
    : std::runtime_error(description.toStdString()),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description))
{
}

namespace vberr {

static QString describe(long number)
{
    switch (number) {
    case InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case FileNotFound: return QStringLiteral("File not found");
    case PathNotFound: return QStringLiteral("Path not found");
    case InvalidPropertyIndex: return QStringLiteral("Invalid property array index");
    case InvalidPicture: return QStringLiteral("Invalid picture");
    case PrinterError: return QStringLiteral("Printer error");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

void raise(long number, const QString& source)
{
    throw ProgramError(number, source, describe(number));
}

}  // namespace vberr
