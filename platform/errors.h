#pragma once

#include <QString>
#include <stdexcept>

// A run-time error of the program's own: a number, the source that raised it and a fixed text.
// Handlers that go on past a failing step catch exactly this type (see tryStep); anything else is a
// programming error and is never swallowed.
class ProgramError : public std::runtime_error {
public:
    ProgramError(long number, QString source, QString description);

    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString source_;
    QString description_;
};

// The workstation's own run-time errors, with the numbers callers may look at.
namespace vberr {
constexpr long InvalidCall = 5;
constexpr long Overflow = 6;
constexpr long SubscriptOutOfRange = 9;
constexpr long TypeMismatch = 13;
constexpr long FileNotFound = 53;
constexpr long PathNotFound = 76;
constexpr long InvalidPropertyIndex = 381;
constexpr long InvalidPicture = 481;
constexpr long PrinterError = 482;

[[noreturn]] void raise(long number, const QString& source = QStringLiteral("Etiquetas"));
}  // namespace vberr

// Runs one step of a handler that goes on past failures: a ProgramError ends the step, not the
// handler. Answers whether the step ran to its end.
template <class Step>
bool tryStep(Step&& step)
{
    try {
        step();
        return true;
    } catch (const ProgramError&) {
        return false;
    }
}
