#pragma once
// Turns the program's dialog filters ("Description|*.A;*.B|...") into Qt name
// filters. Patterns are given in upper case; each also matches in lower case.

#include <QString>
#include <QStringList>

namespace kd {

// One Qt name filter per pair: "Description (*.A *.a *.B *.b)".
QStringList QtNameFilters(const QString& filter);

}  // namespace kd
