#include "port.h"

#include <QEventLoop>
#include <QTimer>

#include <climits>

#include "devicelog.h"

namespace {

const int ProgressIntervalMs = 50;
// Stale bytes of a cancelled answer have stopped once the line is this quiet.
const int QuietLineMs = 100;

} // namespace

QByteArray Port::sendRequest(quint32 request, int expectedSize, int timeoutMs)
{
    if (!drainStaleInput()) {
        qCDebug(deviceLog) << "request cancelled";
        return QByteArray();
    }

    responseBuffer.clear();
    discardPendingBytes();
    expectedResponseSize = expectedSize;
    if (!link->isOpen()) {
        qCDebug(deviceLog) << "Serial port is not open.";
        return QByteArray();
    }

    const qint64 written = link->write(uintToBytes(request));
    qCDebug(deviceLog) << written;
    connect(link, &QIODevice::readyRead, this, &Port::serialReciever);

    QTimer timer;
    timer.setSingleShot(true);
    QEventLoop loop;
    connect(this, &Port::recievedValidReponse, &loop, &QEventLoop::quit);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    requestWaiting = true;
    requestAborted = false;
    waitingLoop = &loop;
    progressClock.start();
    waitFor(loop, timer);
    waitingLoop = nullptr;
    requestWaiting = false;

    const bool aborted = requestAborted;
    if (aborted) {
        qCDebug(deviceLog) << "request cancelled";
        if (link->isOpen())
            drainDeadline.setRemainingTime(qMax(0, timer.remainingTime()));
    } else if (timer.isActive()) {
        qCDebug(deviceLog) << "recieved VALID";
    } else {
        qCDebug(deviceLog) << "recieved TIMEOUT";
    }

    disconnect(this, &Port::recievedValidReponse, &loop, &QEventLoop::quit);
    disconnect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    disconnect(link, &QIODevice::readyRead, this, &Port::serialReciever);

    if (!deferredProbes.isEmpty())
        QTimer::singleShot(0, this, &Port::runDeferredProbes);
    return aborted ? QByteArray() : responseBuffer;
}

bool Port::drainStaleInput()
{
    if (drainDeadline.hasExpired() || !link->isOpen()) {
        drainDeadline = QDeadlineTimer();
        return true;
    }

    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    QTimer budget;
    budget.setSingleShot(true);
    connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&budget, &QTimer::timeout, &loop, &QEventLoop::quit);
    const QMetaObject::Connection discard = connect(link, &QIODevice::readyRead, &loop, [&] {
        link->readAll();
        quiet.start(QuietLineMs);
    });
    link->readAll();
    quiet.start(QuietLineMs);
    budget.start(int(qMin<qint64>(drainDeadline.remainingTime(), INT_MAX)));
    requestWaiting = true;
    requestAborted = false;
    waitingLoop = &loop;
    waitFor(loop, budget);
    waitingLoop = nullptr;
    requestWaiting = false;
    disconnect(discard);

    // Cancelled while draining: the rest of the drain is owed to the next request.
    if (requestAborted && link->isOpen())
        return false;
    drainDeadline = QDeadlineTimer();
    return !requestAborted;
}

void Port::useStandIn(QIODevice *line, AnswerWait *wait)
{
    link = line ? line : &serialPort;
    answerWait = wait;
}

void Port::waitFor(QEventLoop &loop, QTimer &timeout)
{
    if (answerWait)
        answerWait->wait(loop, timeout);
    else
        loop.exec();
}

void Port::discardPendingBytes()
{
    if (link == &serialPort)
        serialPort.clear(QSerialPort::AllDirections);
    else
        link->readAll();
}

void Port::abortWaitingRequest()
{
    if (!waitingLoop)
        return;
    requestAborted = true;
    waitingLoop->quit();
}

void Port::cancelRequest()
{
    abortWaitingRequest();
}

void Port::serialReciever()
{
    const QByteArray bytes = link->readAll();
    for (const char byte : bytes) {
        responseBuffer.append(byte);
        if (responseBuffer.size() >= expectedResponseSize)
            emit recievedValidReponse();
    }
    if (progressClock.elapsed() >= ProgressIntervalMs) {
        progressClock.restart();
        emit responseProgress(int(responseBuffer.size()), expectedResponseSize);
    }
}

bool Port::isResponseValid(const QByteArray &answer)
{
    if (protocol::isErrorAnswer(answer)) {
        qCDebug(deviceLog) << "response error";
        return false;
    }
    return true;
}
