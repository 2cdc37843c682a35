#pragma once
// Writing a whole file so that a failure never costs the old content.
#include <QByteArray>
#include <QString>

// Writes `bytes` as the file `pfad`. Where it can, it writes a temporary
// file in the same folder and renames it over the old file only when
// everything was written (QSaveFile). An existing file is overwritten in
// place instead when the rename would change it for others: when the folder
// does not let the user create files (a teacher's share with a writable
// file), when the file has further hard links, or when it belongs to
// another user. In place, the old content is read first and written back
// if the new content cannot be written completely. False on failure; the
// old file is then readable as it was.
bool DateiSicherSchreiben(const QString &pfad, const QByteArray &bytes);
