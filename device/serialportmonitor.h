#ifndef SERIALPORTMONITOR_H
#define SERIALPORTMONITOR_H

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

#include "portdescription.h"

class SerialPortMonitor : public QObject
{
    Q_OBJECT

public:
    using PortSource = std::function<QList<PortDescription>()>;

    SerialPortMonitor();

    // The system's list by default. Pseudo-terminals never appear in it, so tests
    // put their own list in its place.
    static void setPortSource(PortSource source);

    // Ports this process serves itself, which no system lists (the demonstration
    // instrument's pseudo-terminal). Every poll offers them first, ahead of the
    // source's list, so that they are probed before any silent system port.
    static void addUnlistedPort(const QString &path, const QString &description = {});
    static void removeUnlistedPort(const QString &path);

signals:
    void portConnected(PortDescription info);
    void portDisconnected(PortDescription info);

public slots:
    void checkForPortChanges();

private:
    friend struct PortAccess; // tests

    QTimer timer;
    QList<PortDescription> ports;
};

#endif // SERIALPORTMONITOR_H
