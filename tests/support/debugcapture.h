#ifndef DEBUGCAPTURE_H
#define DEBUGCAPTURE_H

#include <QStringList>
#include <QtGlobal>

// Collects the debug lines written while it lives (and still prints them).
// One at a time.
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture &) = delete;
    DebugCapture &operator=(const DebugCapture &) = delete;

    QStringList lines() const;
    int count(const QString &line) const;
    void clear();

private:
    QtMessageHandler previous;
};

#endif // DEBUGCAPTURE_H
