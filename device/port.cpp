#include "port.h"

#include <QDebug>
#include <QTimer>

namespace {

const quint32 IdentifyRequest = 0x00050000;

const QByteArray &identificationAnswer()
{
    static const QByteArray answer = uintToBytes(0x82FB0730);
    return answer;
}

} // namespace

Port::Port()
{
    connect(&monitor, &SerialPortMonitor::portConnected, this, &Port::checkIfPortIsValidForDataExchange);
    connect(&serialPort, &QSerialPort::errorOccurred, this, &Port::checkIfValidPortDisconnected);
}

void Port::checkIfPortIsValidForDataExchange(QSerialPortInfo info)
{
    if (requestWaiting) {
        deferredProbes.append(info);
        return;
    }

    qDebug() << "check COM called";
    serialPort.setPortName(info.portName());
    serialPort.setBaudRate(QSerialPort::Baud57600, QSerialPort::AllDirections);
    serialPort.setDataBits(QSerialPort::Data8);
    serialPort.setParity(QSerialPort::NoParity);
    serialPort.setStopBits(QSerialPort::OneStop);
    serialPort.setFlowControl(QSerialPort::NoFlowControl);
    if (!serialPort.open(QIODevice::ReadWrite))
        return;

    qDebug() << "serial opened";
    qDebug() << "ASS: " << serialPort.readAll();

    for (int i = 0; i < 3; ++i)
        qDebug() << "ASS: " << sendRequest(IdentifyRequest, 4, 700);

    if (sendRequest(IdentifyRequest, 4, 2000) == identificationAnswer()) {
        qDebug() << "nash slon";
        disconnect(&monitor, &SerialPortMonitor::portConnected, this, &Port::checkIfPortIsValidForDataExchange);
        connect(&serialPort, &QSerialPort::errorOccurred, this, &Port::checkIfValidPortDisconnected);
        emit validPortFound();
    } else {
        serialPort.readAll();
        serialPort.close();
        qDebug() << "lame";
    }
}

void Port::checkIfValidPortDisconnected(QSerialPort::SerialPortError error)
{
    qDebug() << error;
    if (serialPort.isOpen())
        serialPort.close();
    disconnect(&serialPort, &QSerialPort::errorOccurred, this, &Port::checkIfValidPortDisconnected);
    connect(&monitor, &SerialPortMonitor::portConnected, this, &Port::checkIfPortIsValidForDataExchange);
    emit validPortDisconnected();
}

QString Port::connectedPortName() const
{
    return serialPort.isOpen() ? serialPort.portName() : QString();
}

void Port::runDeferredProbes()
{
    while (!requestWaiting && !deferredProbes.isEmpty()) {
        const QSerialPortInfo info = deferredProbes.takeFirst();
        // A probe held back behind a wait only makes sense while no instrument
        // is connected; an open port means the link came up meanwhile.
        if (serialPort.isOpen())
            continue;
        checkIfPortIsValidForDataExchange(info);
    }
}
