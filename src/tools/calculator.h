#pragma once

#include <QString>
#include <QStringList>

// The desktop calculators Velinor looks for, in order of preference.
QStringList desktopCalculators();

// The first of them found on the search path, as a full path; empty when none is installed.
QString findDesktopCalculator(const QStringList &searchPaths = {});
