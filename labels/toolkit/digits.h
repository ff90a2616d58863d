#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace labels {

// Consecutive groups of the human-readable digits under a symbol, by their lengths: {6, 7} gives
// characters 1-6 and 7-13. A short text gives short or empty groups.
QStringList digitGroups(const QString& code, std::initializer_list<int> lengths);

}  // namespace labels
