#include "debugcapture.h"

#include <QElapsedTimer>
#include <QVector>

namespace {

QStringList captured;
QVector<qint64> stamps;
QElapsedTimer captureClock;
QtMessageHandler forward = nullptr;
bool printDebug = true;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg) {
        captured.append(message);
        stamps.append(captureClock.elapsed());
    }
    if (forward && (printDebug || type != QtDebugMsg))
        forward(type, context, message);
}

} // namespace

DebugCapture::DebugCapture(bool print)
{
    printDebug = print;
    captured.clear();
    stamps.clear();
    captureClock.start();
    previous = qInstallMessageHandler(collect);
    forward = previous;
}

DebugCapture::~DebugCapture()
{
    qInstallMessageHandler(previous);
    forward = nullptr;
}

QStringList DebugCapture::lines() const
{
    return captured;
}

int DebugCapture::count(const QString &line) const
{
    return int(captured.count(line));
}

qint64 DebugCapture::timeOf(const QString &line, int occurrence) const
{
    for (int i = 0; i < captured.size(); ++i) {
        if (captured.at(i) == line && occurrence-- == 0)
            return stamps.at(i);
    }
    return -1;
}

void DebugCapture::clear()
{
    captured.clear();
    stamps.clear();
    captureClock.start();
}
