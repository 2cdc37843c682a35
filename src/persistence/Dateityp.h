#pragma once
#include <QString>
#include <QStringList>

// Registers the document type for the current user with the desktop: the
// MIME type application/x-figuro for *.fgo files and a desktop entry that
// opens them with this program, below the user's data folder
// (mime/packages/figuro.xml, applications/figuro.desktop). A file is written
// only when it is missing or different; afterwards the desktop's database
// tools run when they are installed. Every error is ignored: registration
// must never keep Figuro from starting. Returns the files written.
// werkzeugeStarten: run the desktop's database tools after writing.
QStringList DateitypRegistrieren(const QString &datenOrdner, const QString &programm,
                                 bool werkzeugeStarten = true);
