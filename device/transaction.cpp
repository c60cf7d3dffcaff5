#include "port.h"

#include <QDebug>
#include <QEventLoop>
#include <QTimer>

QByteArray uintToBytes(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

QByteArray Port::sendRequest(quint32 request, int expectedSize, int timeoutMs)
{
    responseBuffer.clear();
    serialPort.clear(QSerialPort::AllDirections);
    expectedResponseSize = expectedSize;
    if (!serialPort.isOpen()) {
        qDebug() << "Serial port is not open.";
        return QByteArray();
    }

    qDebug() << serialPort.write(uintToBytes(request));
    connect(&serialPort, &QSerialPort::readyRead, this, &Port::serialReciever);

    QTimer timer;
    timer.setSingleShot(true);
    QEventLoop loop;
    connect(this, &Port::recievedValidReponse, &loop, &QEventLoop::quit);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    requestWaiting = true;
    loop.exec();
    requestWaiting = false;

    if (timer.isActive())
        qDebug() << "recieved VALID";
    else
        qDebug() << "recieved TIMEOUT";

    disconnect(this, &Port::recievedValidReponse, &loop, &QEventLoop::quit);
    disconnect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    disconnect(&serialPort, &QSerialPort::readyRead, this, &Port::serialReciever);

    if (!deferredProbes.isEmpty())
        QTimer::singleShot(0, this, &Port::runDeferredProbes);
    return responseBuffer;
}

void Port::serialReciever()
{
    const QByteArray bytes = serialPort.readAll();
    for (const char byte : bytes) {
        responseBuffer.append(byte);
        if (responseBuffer.size() >= expectedResponseSize)
            emit recievedValidReponse();
    }
}

bool Port::isResponseValid(const QByteArray &answer)
{
    if (answer == uintToBytes(0x00FF0010)) {
        qDebug() << "response error";
        return false;
    }
    return true;
}
