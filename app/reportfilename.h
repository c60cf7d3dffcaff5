#ifndef REPORTFILENAME_H
#define REPORTFILENAME_H

#include <QString>

class QTime;

// Folder under which an export proposes its file: the root of drive C on
// Windows, the home folder elsewhere; always ends in a separator.
QString report_root_folder();

// "<root><word> <number> hh_mm_ss.<extension>". A number of exactly one space
// gives a single space between the word and the time.
QString proposed_report_path(const QString &root, const QString &word, const QString &reportNumber,
                             const QTime &time, const QString &extension);

#endif // REPORTFILENAME_H
