#pragma once
// Small helpers shared by the test executables.
#include <QString>

namespace testhilfe {
// Path of a file below the source tree.
QString quellPfad(const QString &relativ);
}
