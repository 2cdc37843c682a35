#pragma once
// Document files (.fgo): writing the open document with its class counters,
// and opening a file into it, all or nothing.
#include <QByteArray>
#include <QString>

class TArbeitsbereich;
class TDokument;
class TKlassenObjekte;

// The exact bytes of the document's file: the root DOKUMENT with the
// figures, then KLASSENVERZEICHNIS with the class counters.
QByteArray DokumentAlsBytes(const TDokument &dokument, const TKlassenObjekte &klassen);

// Writes the file through a temporary file in the same folder that replaces
// the old file only when everything was written, or in place where the
// folder forbids that or the file has further hard links or another owner
// (DateiSicherSchreiben). On failure the old content is readable as before,
// meldung is "Fehler beim Öffnend er Datei." and false returned.
bool DokumentSpeichern(const QString &pfad, const TDokument &dokument, const TKlassenObjekte &klassen,
                       QString &meldung);

// Opens a file into the open document: the figures are replaced, the class
// counters reset and loaded, objects stored without a name get a generated
// one. All or nothing: the whole file is read and every object built before
// the document is touched; on any error (unreadable file, syntax error,
// "Ungültige Zahl: ..." for a number that cannot be converted) meldung holds
// the German message, false is returned and document and counters are
// exactly as before. mitPasswort (optional) tells whether the opened
// document has a password, in which case the caller switches teacher mode
// off. File name, caption, selection and repaint belong to the caller.
bool DokumentOeffnen(const QString &pfad, TDokument &dokument, TKlassenObjekte &klassen, QString &meldung,
                     bool *mitPasswort = nullptr);

// The same for a file's bytes.
bool DokumentAusBytes(const QByteArray &bytes, TDokument &dokument, TKlassenObjekte &klassen, QString &meldung,
                      bool *mitPasswort = nullptr);

// Gives the workspace's undo history its way to read and restore the whole
// document (these file bytes, numbers exact; read in pieces, each top-level
// figure's bytes kept while the figure is unchanged) and takes the present
// state as the start.
void VerlaufAnschliessen(TArbeitsbereich &arbeitsbereich);
