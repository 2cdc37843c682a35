#include "TestHilfen.h"

namespace testhilfe {
QString quellPfad(const QString &relativ)
{
    return QStringLiteral(FIGURO_SOURCE_DIR_T "/") + relativ;
}
}
