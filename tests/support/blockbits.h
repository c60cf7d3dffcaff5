#ifndef BLOCKBITS_H
#define BLOCKBITS_H

#include <QStringList>
#include <QVector>

#include <cmath>
#include <cstring>

#include "block.h"
#include "readingfile.h"

// Names, and each value as its 32 bits (any NaN as "nan": a file keeps no payload), so
// that two lists of blocks compare bit for bit.
inline QStringList bits(const QVector<Block> &blocks)
{
    QStringList out;
    for (const Block &block : blocks) {
        QStringList values;
        for (const float v : block.values) {
            quint32 word;
            std::memcpy(&word, &v, sizeof word);
            values << (std::isnan(v) ? QStringLiteral("nan") : QString::number(word, 16));
        }
        out << block.name + QLatin1Char(':') + values.join(QLatin1Char(' '));
    }
    return out;
}

// A reading file of these blocks, read just now through COM3.
inline QByteArray written(const QVector<Block> &blocks)
{
    Reading reading;
    reading.readAt = QDateTime::currentDateTime();
    reading.port = QStringLiteral("COM3");
    reading.blocks = blocks;
    return reading_to_json(reading);
}

#endif // BLOCKBITS_H
