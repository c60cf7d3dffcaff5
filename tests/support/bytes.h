#ifndef BYTES_H
#define BYTES_H

#include <QByteArray>
#include <QVector>

#include <cstring>

inline QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

// A float's IEEE 754 bits and back, as the instrument sends them.
inline quint32 bitsOf(float f)
{
    quint32 bits;
    std::memcpy(&bits, &f, 4);
    return bits;
}

inline QVector<quint32> bitsOf(const QVector<float> &values)
{
    QVector<quint32> bits;
    for (float f : values)
        bits.append(bitsOf(f));
    return bits;
}

inline float fromBits(quint32 bits)
{
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

#endif // BYTES_H
