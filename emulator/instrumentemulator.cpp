#include "instrumentemulator.h"

#include <QSocketNotifier>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr qint64 ByteNs = 1000000000LL / InstrumentEmulator::BytesPerSecond;
constexpr qint64 MsNs = 1000000LL;

const QByteArray &identificationAnswer()
{
    static const QByteArray answer("\x30\x07\xFB\x82", 4);
    return answer;
}

const QByteArray &errorAnswer()
{
    static const QByteArray answer("\x10\x00\xFF\x00", 4);
    return answer;
}

QByteArray le16(int value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

} // namespace

InstrumentEmulator::InstrumentEmulator(QObject *parent)
    : QObject(parent)
{
    clock.start();
    pumpTimer.setSingleShot(true);
    pumpTimer.setTimerType(Qt::PreciseTimer);
    connect(&pumpTimer, &QTimer::timeout, this, &InstrumentEmulator::pump);
    drainTimer.setInterval(2);
    connect(&drainTimer, &QTimer::timeout, this, &InstrumentEmulator::unplugWhenHostHasRead);
}

InstrumentEmulator::~InstrumentEmulator()
{
    delete notifier;
    closeLine(&line);
}

bool InstrumentEmulator::openPseudoTerminal()
{
    LineEnds ends;
    if (!openPseudoTerminalLine(&ends, &error))
        return false;
    return attach(ends);
}

bool InstrumentEmulator::openSerialPort(const QString &device)
{
    LineEnds ends;
    if (!openSerialLine(device, &ends, &error))
        return false;
    return attach(ends);
}

bool InstrumentEmulator::attach(const LineEnds &ends)
{
    if (isOpen())
        unplug();
    line = ends;
    input.clear();
    lineFreeNs = 0;
    notifier = new QSocketNotifier(line.fd, QSocketNotifier::Read);
    connect(notifier, &QSocketNotifier::activated, this, &InstrumentEmulator::onReadable);
    return true;
}

bool InstrumentEmulator::isOpen() const
{
    return line.fd >= 0;
}

QString InstrumentEmulator::devicePath() const
{
    return line.hostPath;
}

QString InstrumentEmulator::errorString() const
{
    return error;
}

void InstrumentEmulator::unplug()
{
    if (!isOpen())
        return;
    // May run inside the notifier's own activation.
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
    closeLine(&line);
    queue.clear();
    pumpTimer.stop();
    drainTimer.stop();
    unplugPending = false;
    emit unplugged();
}

// Closing a pseudo-terminal discards what the host has not read yet, while a
// pulled cable leaves the bytes already across in the host's buffer. So the
// faulted unplug waits (briefly) for the host to take them.
void InstrumentEmulator::unplugWhenHostHasRead()
{
    if (unreadByHost(line) == 0)
        ++drainChecks;
    else
        drainChecks = 0;
    if (drainChecks >= 2 || clock.nsecsElapsed() - drainStartNs > 500 * MsNs)
        unplug();
}

void InstrumentEmulator::setBlocks(QVector<EmulatedBlock> blocks)
{
    blockList = std::move(blocks);
}

QVector<EmulatedBlock> InstrumentEmulator::blocks() const
{
    return blockList;
}

void InstrumentEmulator::setFault(int command, const CommandFault &fault)
{
    faults.insert(command, FaultState{fault, 0});
}

void InstrumentEmulator::clearFault(int command)
{
    faults.remove(command);
}

void InstrumentEmulator::clearFaults()
{
    faults.clear();
}

void InstrumentEmulator::setPaced(bool on)
{
    paced = on;
}

bool InstrumentEmulator::isPaced() const
{
    return paced;
}

void InstrumentEmulator::sendUnasked(const QByteArray &bytes, int delayMs)
{
    enqueue(bytes, clock.nsecsElapsed() + delayMs * MsNs);
}

QList<QByteArray> InstrumentEmulator::requests() const
{
    return received;
}

void InstrumentEmulator::clearRequests()
{
    received.clear();
}

qint64 InstrumentEmulator::bytesSent() const
{
    return sent;
}

bool InstrumentEmulator::isIdle() const
{
    return queue.isEmpty();
}

void InstrumentEmulator::onReadable()
{
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(line.fd, chunk, sizeof chunk);
        if (n > 0) {
            input.append(chunk, int(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            break;
        // The line is gone under us (a serial adapter pulled out).
        unplug();
        return;
    }
    while (input.size() >= 4 && isOpen()) {
        const QByteArray frame = input.left(4);
        input.remove(0, 4);
        handleRequest(frame);
    }
}

QByteArray InstrumentEmulator::properAnswer(int command, int index, bool fourthByteZero) const
{
    if (!fourthByteZero)
        return errorAnswer();
    const bool known = index < blockList.size();
    switch (command) {
    case 5:
        return index == 0 ? identificationAnswer() : errorAnswer();
    case 6:
        return index == 0 ? le16(int(blockList.size())) + QByteArray(2, '\0') : errorAnswer();
    case 7:
        return known ? blockList.at(index).rawName : errorAnswer();
    case 8:
        return known ? le16(int(blockList.at(index).values.size())) : errorAnswer();
    case 9: {
        if (!known)
            return errorAnswer();
        const QVector<float> &values = blockList.at(index).values;
        QByteArray data(values.size() * 4, '\0');
        for (int i = 0; i < values.size(); ++i)
            qToLittleEndian<float>(values.at(i), data.data() + 4 * i);
        return data;
    }
    default:
        return errorAnswer();
    }
}

void InstrumentEmulator::handleRequest(const QByteArray &frame)
{
    received.append(frame);
    emit requestReceived(frame);
    if (!isOpen() || unplugPending)
        return; // unplugged, or about to be

    const int index = quint8(frame.at(0)) | (quint8(frame.at(1)) << 8);
    const int command = quint8(frame.at(2));
    QByteArray answer = properAnswer(command, index, frame.at(3) == 0);

    qint64 due = clock.nsecsElapsed() + (paced ? 4 * ByteNs : 0);
    CommandFault fault;
    auto found = faults.find(command);
    if (found != faults.end()) {
        FaultState &state = found.value();
        ++state.seen;
        const int nth = state.seen - state.fault.skip;
        if (nth > 0 && (state.fault.count < 0 || nth <= state.fault.count))
            fault = state.fault;
    }

    if (fault.silent)
        return;
    if (fault.errorAnswer)
        answer = errorAnswer();
    if (!fault.answer.isEmpty())
        answer = fault.answer;
    if (fault.cutAfter >= 0)
        answer = answer.left(fault.cutAfter);
    answer += fault.extra;
    const bool unplugging = fault.unplugAfter >= 0;
    if (unplugging)
        answer = answer.left(fault.unplugAfter);

    due += fault.delayMs * MsNs;
    const int piece = fault.pieceSize > 0 ? fault.pieceSize : qMax(1, int(answer.size()));
    int offset = 0;
    do {
        const QByteArray part = answer.mid(offset, piece);
        offset += piece;
        const bool last = offset >= answer.size();
        enqueue(part, due, last && unplugging);
        if (!last)
            due += fault.pieceGapMs * MsNs;
    } while (offset < answer.size());

    if (!fault.late.isEmpty() && !unplugging)
        enqueue(fault.late, due + (paced ? answer.size() * ByteNs : 0) + fault.lateMs * MsNs);
}

void InstrumentEmulator::enqueue(const QByteArray &bytes, qint64 dueNs, bool unplugAfter)
{
    if (!isOpen())
        return;
    // Keep the queue in time order; equal times keep their order of arrival.
    int at = int(queue.size());
    while (at > 0 && queue.at(at - 1).dueNs > dueNs)
        --at;
    queue.insert(at, Pending{bytes, dueNs, unplugAfter});
    pump();
}

void InstrumentEmulator::pump()
{
    while (isOpen() && !queue.isEmpty()) {
        Pending &front = queue.first();
        const qint64 now = clock.nsecsElapsed();
        if (front.dueNs > now) {
            schedulePump(front.dueNs);
            return;
        }
        int n = int(front.bytes.size());
        qint64 start = 0;
        if (paced && n > 0) {
            // A byte reaches the host when its last bit has crossed the wire.
            start = qMax(front.dueNs, lineFreeNs);
            n = int(qMin<qint64>(n, (now - start) / ByteNs));
            if (n <= 0) {
                schedulePump(start + ByteNs);
                return;
            }
        }
        if (n > 0) {
            const ssize_t written = ::write(line.fd, front.bytes.constData(), size_t(n));
            if (written < 0) {
                if (errno == EAGAIN || errno == EINTR) {
                    schedulePump(now + MsNs);
                    return;
                }
                unplug();
                return;
            }
            sent += written;
            front.bytes.remove(0, int(written));
            if (paced) {
                lineFreeNs = start + written * ByteNs;
                front.dueNs = lineFreeNs;
            }
            if (!front.bytes.isEmpty())
                continue;
        }
        const bool unplugNow = front.unplugAfter;
        queue.removeFirst();
        if (unplugNow) {
            queue.clear();
            unplugPending = true;
            drainChecks = 0;
            drainStartNs = clock.nsecsElapsed();
            drainTimer.start();
            return;
        }
    }
}

void InstrumentEmulator::schedulePump(qint64 dueNs)
{
    const qint64 waitNs = dueNs - clock.nsecsElapsed();
    const int ms = waitNs <= 0 ? 0 : int((waitNs + MsNs - 1) / MsNs);
    if (!pumpTimer.isActive() || pumpTimer.remainingTime() > ms)
        pumpTimer.start(ms);
}
