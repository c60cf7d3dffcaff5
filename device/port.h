#ifndef PORT_H
#define PORT_H

#include <QByteArray>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QVector>

#include "answerwait.h"
#include "portdescription.h"
#include "protocol.h"
#include "serialportmonitor.h"

class QEventLoop;
class QIODevice;
class QTimer;

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
    // Ends the waiting request at once as a failed one. The instrument goes on
    // sending the rest of its answer, so the next request first drains the line.
    void cancelRequest();

    // An in-memory instrument in place of the serial line, and a wait that it completes at
    // once, so that a fuzz target runs thousands of reads a second. Null for the port's own.
    void useStandIn(QIODevice *line, AnswerWait *wait);

signals:
    void validPortFound();
    void validPortDisconnected();
    void recievedValidReponse();

    // A probe has opened portName and asks it for the identification.
    void probeStarted(const QString &portName);
    // A probe found no instrument; openError says why the port could not be
    // opened (QSerialPort::NoError when it opened but did not answer rightly).
    void probeFailed(const QString &portName, QSerialPort::SerialPortError openError);
    // Bytes of the waiting request's answer so far, at most every 50 ms or so.
    void responseProgress(int received, int expected);

public slots:
    void checkIfPortIsValidForDataExchange(PortDescription info);
    void checkIfValidPortDisconnected(QSerialPort::SerialPortError error);
    void serialReciever();

private:
    friend struct PortAccess; // tests

    QByteArray responseBuffer;
    SerialPortMonitor monitor;
    int expectedResponseSize;
    QSerialPort serialPort;
    // Where requests go and answers come from: serialPort but for a stand-in.
    QIODevice *link = &serialPort;
    AnswerWait *answerWait = nullptr;
    void waitFor(QEventLoop &loop, QTimer &timeout);
    void discardPendingBytes();

    // A probe must not start while a request waits: it would share serialPort
    // and responseBuffer with it. Such a probe is held here and run once the
    // wait has ended.
    bool requestWaiting = false;
    QList<PortDescription> deferredProbes;
    void runDeferredProbes();

    QEventLoop *waitingLoop = nullptr;
    bool requestAborted = false;
    QElapsedTimer progressClock;
    // The end of a cancelled request's time-out: its answer may be arriving
    // until then, so the next request drains the line at most that long.
    QDeadlineTimer drainDeadline;
    bool drainStaleInput();
    void abortWaitingRequest();
};

#endif // PORT_H
