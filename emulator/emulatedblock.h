#ifndef EMULATEDBLOCK_H
#define EMULATEDBLOCK_H

#include <QByteArray>
#include <QString>
#include <QVector>

// How a name shorter than 10 characters is filled up to its 20 bytes.
enum class NamePadding {
    Erased, // FF FF per code unit, as erased flash reads
    Zeros   // 00 00 per code unit
};

// One memory block as the instrument keeps it.
struct EmulatedBlock
{
    QByteArray rawName;    // the name answer exactly as sent, normally 20 bytes
    QVector<float> values; // at most 65535; the size answer has 16 bits

    // The name as UTF-16, low byte first, cut to 10 code units and padded to 20 bytes.
    static EmulatedBlock named(const QString &name, QVector<float> values,
                               NamePadding padding = NamePadding::Erased);
};

// A few blocks for demonstrations when no file is given.
QVector<EmulatedBlock> sampleBlocks(NamePadding padding = NamePadding::Erased);

// Blocks from a JSON file:
//   { "padding": "ff" | "00",
//     "blocks": [ { "name": "Weld 1", "values": [1.5, 2, "nan", "inf", "-inf"] },
//                 { "rawName": "41004200...", "values": [] } ] }
// "rawName" (hex) sends those bytes untouched instead of an encoded "name".
bool loadBlocksFromJson(const QString &fileName, QVector<EmulatedBlock> *blocks, QString *error);

#endif // EMULATEDBLOCK_H
