#ifndef READINGFILE_H
#define READINGFILE_H

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

#include "block.h"
#include "tolerance.h"

// The report form's entries at the time of a read: what was measured, with what, by whom.
struct ReadingForm
{
    QString deviceName;
    QString deviceType;
    QString deviceNumber;
    QString operatorName;
    QString partName;
    QString material;
    QString batchNumber;

    bool operator==(const ReadingForm &other) const
    {
        return deviceName == other.deviceName && deviceType == other.deviceType && deviceNumber == other.deviceNumber
               && operatorName == other.operatorName && partName == other.partName && material == other.material
               && batchNumber == other.batchNumber;
    }
};

// One read of the instrument as it is kept on disk: its blocks and the record that makes it
// traceable. A reading is written once and never rewritten.
struct Reading
{
    QString id; // a UUID, lower case without braces; made at the read
    QDateTime readAt;
    QString port; // system name of the port it came through; empty when unknown
    QString station; // the computer it was read on
    QString programVersion;
    ReadingForm form;
    QVector<Block> blocks;
    // Per block, the tolerance in force at the read (source None: read without one). Empty
    // when the reading recorded none, as files written before tolerances were kept.
    QVector<SourcedTolerance> tolerances;

    bool toleranceRecorded() const { return !blocks.isEmpty() && tolerances.size() == blocks.size(); }
};

// Why a file is not a reading.
enum class ReadingError {
    None,
    NotJson,     // not a JSON document at all
    OtherFormat, // JSON, but another format, or a version of this one that is not known
    WrongType,   // a key missing or holding another type, or a time that is not one
    BadValue,    // a value that is neither a float nor one of "nan", "inf", "-inf"
    TooMany,     // more than 65535 blocks, or more than 65535 values in a block
    TooLarge,    // a file far larger than any reading, refused before it is read
    Unreadable,  // the file could not be opened
};

// No reading comes near this: 65535 values take about a megabyte of text.
constexpr qint64 MaxReadingFileBytes = 64 * 1024 * 1024;

struct ParsedReading
{
    ReadingError error = ReadingError::None;
    Reading reading; // empty unless error is None
};

// UTF-8 JSON, values in their shortest exact text, so every float reads back bit for bit
// (a NaN's sign and payload excepted).
QByteArray reading_to_json(const Reading &reading);
ParsedReading reading_from_json(const QByteArray &json);
// The reading kept in a file; one over MaxReadingFileBytes is refused unread.
ParsedReading read_reading_file(const QString &path);

// "<folder>/yyyy-MM-dd_HH-mm-ss.json" from the local time of readAt; while that name is
// taken, _2, _3 … before the extension.
QString free_reading_path(const QString &folder, const QDateTime &readAt);

#endif // READINGFILE_H
