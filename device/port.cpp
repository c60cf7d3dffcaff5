#include "port.h"

#include <QTimer>

#include "devicelog.h"

Port::Port()
{
    connect(&monitor, &SerialPortMonitor::portConnected, this, &Port::checkIfPortIsValidForDataExchange);
    connect(&serialPort, &QSerialPort::errorOccurred, this, &Port::checkIfValidPortDisconnected);
}

void Port::checkIfPortIsValidForDataExchange(PortDescription info)
{
    if (requestWaiting) {
        deferredProbes.append(info);
        return;
    }

    qCDebug(deviceLog) << "check COM called";
    serialPort.setPortName(info.portName);
    serialPort.setBaudRate(QSerialPort::Baud57600, QSerialPort::AllDirections);
    serialPort.setDataBits(QSerialPort::Data8);
    serialPort.setParity(QSerialPort::NoParity);
    serialPort.setStopBits(QSerialPort::OneStop);
    serialPort.setFlowControl(QSerialPort::NoFlowControl);
    if (!serialPort.open(QIODevice::ReadWrite)) {
        emit probeFailed(serialPort.portName(), serialPort.error());
        return;
    }

    qCDebug(deviceLog) << "serial opened";
    emit probeStarted(serialPort.portName());
    // Nothing with an effect goes into a qCDebug line: a silenced category skips it.
    const QByteArray unasked = serialPort.readAll();
    qCDebug(deviceLog) << "ASS: " << unasked;

    const quint32 identify = protocol::requestWord(protocol::Identify);
    for (int i = 0; i < protocol::IdentifyWarmUpRequests; ++i) {
        const QByteArray warmUp = sendRequest(identify, protocol::IdentifyAnswerSize, protocol::IdentifyWarmUpTimeoutMs);
        qCDebug(deviceLog) << "ASS: " << warmUp;
    }

    const QByteArray answer = sendRequest(identify, protocol::IdentifyAnswerSize, protocol::IdentifyTimeoutMs);
    if (protocol::isIdentificationAnswer(answer)) {
        qCDebug(deviceLog) << "nash slon";
        disconnect(&monitor, &SerialPortMonitor::portConnected, this, &Port::checkIfPortIsValidForDataExchange);
        connect(&serialPort, &QSerialPort::errorOccurred, this, &Port::checkIfValidPortDisconnected);
        emit validPortFound();
    } else {
        serialPort.readAll();
        serialPort.close();
        qCDebug(deviceLog) << "lame";
        emit probeFailed(serialPort.portName(), QSerialPort::NoError);
    }
}

void Port::checkIfValidPortDisconnected(QSerialPort::SerialPortError error)
{
    qCDebug(deviceLog) << error;
    if (serialPort.isOpen())
        serialPort.close();
    disconnect(&serialPort, &QSerialPort::errorOccurred, this, &Port::checkIfValidPortDisconnected);
    connect(&monitor, &SerialPortMonitor::portConnected, this, &Port::checkIfPortIsValidForDataExchange);
    drainDeadline = QDeadlineTimer();
    // A request waiting for the lost line would otherwise sit out its whole time-out.
    abortWaitingRequest();
    emit validPortDisconnected();
}

QString Port::connectedPortName() const
{
    return serialPort.isOpen() ? serialPort.portName() : QString();
}

void Port::runDeferredProbes()
{
    while (!requestWaiting && !deferredProbes.isEmpty()) {
        const PortDescription info = deferredProbes.takeFirst();
        // A probe held back behind a wait only makes sense while no instrument
        // is connected; an open port means the link came up meanwhile.
        if (serialPort.isOpen())
            continue;
        checkIfPortIsValidForDataExchange(info);
    }
}
