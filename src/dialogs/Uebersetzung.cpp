#include "dialogs/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>

std::unique_ptr<QTranslator> QtUebersetzungLaden()
{
    auto uebersetzung = std::make_unique<QTranslator>();
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(uebersetzung.get()))
        return nullptr;
    return uebersetzung;
}
