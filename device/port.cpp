#include "port.h"

QByteArray uintToBytes(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

Port::Port()
{
    connect(&monitor, &SerialPortMonitor::portConnected, this, &Port::checkIfPortIsValidForDataExchange);
    connect(&serialPort, &QSerialPort::errorOccurred, this, &Port::checkIfValidPortDisconnected);
}

QByteArray Port::sendRequest(quint32, int, int) { return {}; }
bool Port::isResponseValid(const QByteArray &) { return true; }
int Port::getBlocksAmount() { return -1; }
QByteArray Port::getBlockName(int) { return {}; }
int Port::getBlockSize(int) { return -1; }
QVector<float> Port::getBlockData(int) { return {}; }
void Port::checkIfPortIsValidForDataExchange(QSerialPortInfo) {}
void Port::checkIfValidPortDisconnected(QSerialPort::SerialPortError) {}
void Port::serialReciever() {}
