#ifndef READINGSARCHIVE_H
#define READINGSARCHIVE_H

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include "readingfile.h"

// A file of the readings folder as the archive lists it. A file that is no reading stays
// in the list, marked, and is never touched.
struct ArchivedReading
{
    QString path;
    qint64 size = -1;
    QDateTime modified;
    bool readable = false;
    Reading reading; // empty unless readable
    int valueCount = 0;
};

// The reading files (*.json) of a folder, newest read first, those that cannot be read
// last by name; none for a folder that does not exist. A file of the same path, size and
// modification time as one in `known` is taken from there unread.
QVector<ArchivedReading> list_readings(const QString &folder, const QHash<QString, ArchivedReading> &known);

// The folder's readings, kept for the run: a second listing reads only what changed.
class ReadingsArchive
{
public:
    const QVector<ArchivedReading> &list(const QString &folder);
    const QVector<ArchivedReading> &readings() const { return listed; }
private:
    void take(const QVector<ArchivedReading> &readings);

    QHash<QString, ArchivedReading> byPath;
    QVector<ArchivedReading> listed;
};

// The time of a read in the system's short date and time format.
QString reading_time_text(const QDateTime &readAt);
// The row's first column: the time of the read, or the file's name when it is no reading.
QString archived_reading_title(const ArchivedReading &archived);
// The block names joined with ", ".
QString archived_block_names(const ArchivedReading &archived);
// Past `length` characters the names are cut and end in "…".
QString cut_names(const QString &names, int length = 80);
// Whether the block names or the row's first column hold the typed text, case ignored.
bool archived_reading_matches(const ArchivedReading &archived, const QString &typed);
// Every block name of the readings, once each, sorted.
QStringList archived_block_name_list(const QVector<ArchivedReading> &readings);

#endif // READINGSARCHIVE_H
