#include "debugcapture.h"

namespace {

QStringList captured;
QtMessageHandler forward = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg)
        captured.append(message);
    if (forward)
        forward(type, context, message);
}

} // namespace

DebugCapture::DebugCapture()
{
    captured.clear();
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
    return captured.count(line);
}

void DebugCapture::clear()
{
    captured.clear();
}
