#ifndef REPORTFILENAME_H
#define REPORTFILENAME_H

#include <QString>

class QTime;

// Folder under which an export proposes its file: the root of drive C on
// Windows, the home folder elsewhere; always ends in a separator.
QString report_root_folder();

// The text with each character that a file name on Windows or Linux cannot hold
// (\ / : * ? " < > | and control characters) replaced by "-".
QString file_name_safe(const QString &text);

// "<root><word> <number> hh_mm_ss.<extension>", the number made file_name_safe. A
// number of exactly one space gives a single space between the word and the time.
QString proposed_report_path(const QString &root, const QString &word, const QString &reportNumber,
                             const QTime &time, const QString &extension);

// The folder a save dialog for files of `extension` opens in: the one used last for
// them, kept in the settings file, while it exists; else report_root_folder(). Ends
// in a separator.
QString last_folder(const QString &extension);
// Keeps the folder of a file of `extension` just chosen in the settings file.
void remember_folder(const QString &extension, const QString &filePath);

#endif // REPORTFILENAME_H
