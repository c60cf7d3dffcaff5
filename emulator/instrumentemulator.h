#ifndef INSTRUMENTEMULATOR_H
#define INSTRUMENTEMULATOR_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QVector>

#include "commandfault.h"
#include "emulatedblock.h"
#include "line.h"

class QSocketNotifier;

// The instrument's side of the serial line. Lives in the thread that runs the
// event loop; it reads through a socket notifier, so it answers while the host
// waits in a nested event loop of the same thread.
//
// Requests are taken as 4-byte frames: index low byte, index high byte,
// command code, zero. Commands: 5 identify, 6 blocks amount, 7 block name,
// 8 block size, 9 block data. Anything else, an index past the last block or a
// non-zero fourth byte gets the error answer 10 00 FF 00.
class InstrumentEmulator : public QObject
{
    Q_OBJECT

public:
    static constexpr int BytesPerSecond = 5760; // 57600 baud, 8N1

    explicit InstrumentEmulator(QObject *parent = nullptr);
    ~InstrumentEmulator() override;

    // Creates a pseudo-terminal; devicePath() is the end the host opens.
    bool openPseudoTerminal();
    // Plays the instrument on a real serial device (the host sits at the other end of the cable).
    bool openSerialPort(const QString &device);
    bool isOpen() const;
    QString devicePath() const;
    QString errorString() const;
    // Closes our side at once, as if the cable were pulled: the host's reads
    // fail, and bytes it has not read yet are lost.
    void unplug();

    void setBlocks(QVector<EmulatedBlock> blocks);
    QVector<EmulatedBlock> blocks() const;

    // command: 5..9 (any code works; unknown codes are faulted on top of the error answer).
    void setFault(int command, const CommandFault &fault);
    void clearFault(int command);
    void clearFaults();

    // Sends the answers at the wire's own speed, and starts each after its
    // request's own 4 bytes would have crossed the wire.
    void setPaced(bool paced);
    bool isPaced() const;

    // Bytes the host did not ask for, after delayMs.
    void sendUnasked(const QByteArray &bytes, int delayMs = 0);

    // Every request frame received, in order.
    QList<QByteArray> requests() const;
    void clearRequests();
    // Bytes written to the host so far.
    qint64 bytesSent() const;
    // Nothing is left to send (no answer, piece or late bytes pending).
    bool isIdle() const;

signals:
    void requestReceived(const QByteArray &request);
    void unplugged();

private:
    struct Pending
    {
        QByteArray bytes;
        qint64 dueNs = 0;
        bool unplugAfter = false;
    };
    struct FaultState
    {
        CommandFault fault;
        int seen = 0;
    };

    bool attach(const LineEnds &ends);
    void onReadable();
    void handleRequest(const QByteArray &frame);
    QByteArray properAnswer(int command, int index, bool fourthByteZero) const;
    void enqueue(const QByteArray &bytes, qint64 dueNs, bool unplugAfter = false);
    void pump();
    void schedulePump(qint64 dueNs);
    void unplugWhenHostHasRead();

    LineEnds line;
    QSocketNotifier *notifier = nullptr;
    QString error;
    QVector<EmulatedBlock> blockList;
    QHash<int, FaultState> faults;
    bool paced = false;
    QByteArray input;
    QList<QByteArray> received;
    QList<Pending> queue;
    QElapsedTimer clock;
    QTimer pumpTimer;
    qint64 lineFreeNs = 0; // paced: when the bytes written so far have left the wire
    qint64 sent = 0;
    bool unplugPending = false;
    int drainChecks = 0;
    qint64 drainStartNs = 0;
    QTimer drainTimer;
};

#endif // INSTRUMENTEMULATOR_H
