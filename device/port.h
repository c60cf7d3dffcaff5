#ifndef PORT_H
#define PORT_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QString>
#include <QVector>

#include "serialportmonitor.h"

// The 4 bytes of a 32-bit value, least significant first.
QByteArray uintToBytes(quint32 value);

class Port : public QObject
{
    Q_OBJECT

public:
    Port();

    QByteArray sendRequest(quint32 request, int expectedSize, int timeoutMs);
    bool isResponseValid(const QByteArray &answer);

    int getBlocksAmount();
    QByteArray getBlockName(int index);
    int getBlockSize(int index);
    QVector<float> getBlockData(int index);

    // System name of the open port; empty while none is open.
    QString connectedPortName() const;

signals:
    void validPortFound();
    void validPortDisconnected();
    void recievedValidReponse();

public slots:
    void checkIfPortIsValidForDataExchange(QSerialPortInfo info);
    void checkIfValidPortDisconnected(QSerialPort::SerialPortError error);
    void serialReciever();

private:
    friend struct PortAccess; // tests

    QByteArray responseBuffer;
    SerialPortMonitor monitor;
    int expectedResponseSize;
    QSerialPort serialPort;

    // A probe must not start while a request waits: it would share serialPort
    // and responseBuffer with it. Such a probe is held here and run once the
    // wait has ended.
    bool requestWaiting = false;
    QList<QSerialPortInfo> deferredProbes;
    void runDeferredProbes();
};

#endif // PORT_H
