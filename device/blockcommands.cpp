#include "port.h"

#include <utility>

#include "devicelog.h"

using namespace protocol;

int Port::getBlocksAmount()
{
    const QByteArray answer = sendRequest(requestWord(BlocksAmount), BlocksAmountAnswerSize, ShortAnswerTimeoutMs);
    qCDebug(deviceLog) << "blocks amount: ";
    if (!answer.isEmpty() && isResponseValid(answer)) {
        const int count = decodeBlocksAmount(answer);
        qCDebug(deviceLog) << "ok " << count;
        return count;
    }
    qCDebug(deviceLog) << "request error";
    return -1;
}

QByteArray Port::getBlockName(int index)
{
    qCDebug(deviceLog) << "getBlockName";
    const QByteArray answer = sendRequest(requestWord(BlockName, index), BlockNameAnswerSize, ShortAnswerTimeoutMs);
    qCDebug(deviceLog) << "name of block " << index << ": ";
    if (!answer.isEmpty() && isResponseValid(answer)) {
        qCDebug(deviceLog) << "ok " << answer;
        return decodeBlockName(answer);
    }
    qCDebug(deviceLog) << "error";
    return QByteArray();
}

int Port::getBlockSize(int index)
{
    qCDebug(deviceLog) << "getBlockSize";
    const QByteArray answer = sendRequest(requestWord(BlockSize, index), BlockSizeAnswerSize, ShortAnswerTimeoutMs);
    qCDebug(deviceLog) << "size of block " << index << ": ";
    if (!answer.isEmpty() && isResponseValid(answer)) {
        const int n = decodeBlockSize(answer);
        qCDebug(deviceLog) << n << "\n-----------------";
        return n;
    }
    qCDebug(deviceLog) << "error\n-----------------";
    return -1;
}

QVector<float> Port::getBlockData(int index)
{
    qCDebug(deviceLog) << "getBlockData";
    const int n = getBlockSize(index);
    qCDebug(deviceLog) << "Размер блока - " << n;
    QVector<float> values;
    if (n <= 0)
        return values;

    const QByteArray answer = sendRequest(requestWord(BlockData, index), BytesPerValue * n, DataTimeoutMsPerValue * n);
    qCDebug(deviceLog) << "data size: " << answer.size();
    qCDebug(deviceLog) << "data: " << answer << "\n-----------------";
    if (answer.isEmpty() || !isResponseValid(answer))
        return values;

    values = decodeBlockValues(answer);
    for (const float value : std::as_const(values))
        qCDebug(deviceLog) << value;
    qCDebug(deviceLog) << "SIZE" << values.size() << "\n";
    return values;
}
