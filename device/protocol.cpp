#include "protocol.h"

#include <QtEndian>

QByteArray uintToBytes(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

namespace protocol {

namespace {

int unsigned16(const QByteArray &answer)
{
    int value = quint8(answer.at(0));
    if (answer.size() > 1)
        value += 256 * quint8(answer.at(1));
    return value;
}

} // namespace

bool isIdentificationAnswer(const QByteArray &answer)
{
    return answer == uintToBytes(IdentificationWord);
}

bool isErrorAnswer(const QByteArray &answer)
{
    return answer == uintToBytes(ErrorWord);
}

int decodeBlocksAmount(const QByteArray &answer)
{
    return unsigned16(answer);
}

int decodeBlockSize(const QByteArray &answer)
{
    return unsigned16(answer);
}

QByteArray decodeBlockName(const QByteArray &answer)
{
    return answer;
}

QVector<float> decodeBlockValues(const QByteArray &answer)
{
    QVector<float> values;
    if (answer.size() % BytesPerValue != 0)
        return values;
    values.reserve(answer.size() / BytesPerValue);
    for (int i = 0; i < answer.size(); i += BytesPerValue)
        values.append(qFromLittleEndian<float>(answer.constData() + i));
    return values;
}

} // namespace protocol
