#ifndef DEBUGCAPTURE_H
#define DEBUGCAPTURE_H

#include <QStringList>
#include <QtGlobal>

// Collects the debug lines written while it lives and, unless told to keep
// quiet (for floods of thousands of lines), still prints them. One at a time.
class DebugCapture
{
public:
    explicit DebugCapture(bool print = true);
    ~DebugCapture();
    DebugCapture(const DebugCapture &) = delete;
    DebugCapture &operator=(const DebugCapture &) = delete;

    QStringList lines() const;
    int count(const QString &line) const;
    // Milliseconds since the capture began (or was cleared) at which the
    // occurrence-th (from 0) copy of line was written; -1 if it was not.
    qint64 timeOf(const QString &line, int occurrence = 0) const;
    void clear();

private:
    QtMessageHandler previous;
};

#endif // DEBUGCAPTURE_H
