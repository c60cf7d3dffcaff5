#include "port.h"

#include <QDebug>
#include <QtEndian>

namespace {

// Byte 0 plus 256 times byte 1; a lone byte counts alone.
int unsigned16(const QByteArray &answer)
{
    int value = quint8(answer.at(0));
    if (answer.size() > 1)
        value += 256 * quint8(answer.at(1));
    return value;
}

} // namespace

int Port::getBlocksAmount()
{
    const QByteArray answer = sendRequest(0x00060000, 4, 200);
    qDebug() << "blocks amount: ";
    if (!answer.isEmpty() && isResponseValid(answer)) {
        const int count = unsigned16(answer);
        qDebug() << "ok " << count;
        return count;
    }
    qDebug() << "request error";
    return -1;
}

QByteArray Port::getBlockName(int index)
{
    qDebug() << "getBlockName";
    const QByteArray answer = sendRequest(0x00070000 | quint32(index), 20, 200);
    qDebug() << "name of block " << index << ": ";
    if (!answer.isEmpty() && isResponseValid(answer)) {
        qDebug() << "ok " << answer;
        return answer;
    }
    qDebug() << "error";
    return QByteArray();
}

int Port::getBlockSize(int index)
{
    qDebug() << "getBlockSize";
    const QByteArray answer = sendRequest(0x00080000 | quint32(index), 2, 200);
    qDebug() << "size of block " << index << ": ";
    if (!answer.isEmpty() && isResponseValid(answer)) {
        const int n = unsigned16(answer);
        qDebug() << n << "\n-----------------";
        return n;
    }
    qDebug() << "error\n-----------------";
    return -1;
}

QVector<float> Port::getBlockData(int index)
{
    qDebug() << "getBlockData";
    const int n = getBlockSize(index);
    qDebug() << "Размер блока - " << n;
    QVector<float> values;
    if (n <= 0)
        return values;

    const QByteArray answer = sendRequest(0x00090000 | quint32(index), 4 * n, 10 * n);
    qDebug() << "data size: " << answer.size();
    qDebug() << "data: " << answer << "\n-----------------";
    if (answer.isEmpty() || !isResponseValid(answer))
        return values;

    if (answer.size() % 4 == 0) {
        values.reserve(answer.size() / 4);
        for (int i = 0; i < answer.size(); i += 4)
            values.append(qFromLittleEndian<float>(answer.constData() + i));
    }
    for (const float value : qAsConst(values))
        qDebug() << value;
    qDebug() << "SIZE" << values.size() << "\n";
    return values;
}
