#include "serialportmonitor.h"

#include "devicelog.h"

#include "unlistedportinfo.h"

namespace {

SerialPortMonitor::PortSource &portSource()
{
    static SerialPortMonitor::PortSource source;
    return source;
}

QList<QSerialPortInfo> &unlistedPorts()
{
    static QList<QSerialPortInfo> ports;
    return ports;
}

bool containsName(const QList<QSerialPortInfo> &list, const QString &name)
{
    for (const QSerialPortInfo &info : list) {
        if (info.portName() == name)
            return true;
    }
    return false;
}

} // namespace

SerialPortMonitor::SerialPortMonitor()
{
    connect(&timer, &QTimer::timeout, this, &SerialPortMonitor::checkForPortChanges);
    timer.start(500);
}

void SerialPortMonitor::setPortSource(PortSource source)
{
    portSource() = std::move(source);
}

void SerialPortMonitor::addUnlistedPort(const QString &path, const QString &description)
{
    removeUnlistedPort(path);
    unlistedPorts().append(unlistedPortInfo(path, description));
}

void SerialPortMonitor::removeUnlistedPort(const QString &path)
{
    QList<QSerialPortInfo> &ports = unlistedPorts();
    for (int i = ports.size() - 1; i >= 0; --i) {
        if (ports.at(i).portName() == path)
            ports.removeAt(i);
    }
}

void SerialPortMonitor::checkForPortChanges()
{
    const PortSource &source = portSource();
    const QList<QSerialPortInfo> listed = source ? source() : QSerialPortInfo::availablePorts();
    const QList<QSerialPortInfo> &unlisted = unlistedPorts();
    QList<QSerialPortInfo> current = unlisted;
    for (const QSerialPortInfo &entry : listed) {
        if (!containsName(unlisted, entry.portName()))
            current.append(entry);
    }

    // A receiver of portConnected may wait in a nested event loop for seconds;
    // this timer's next time-out is not delivered meanwhile, so no second poll
    // starts before this one has stored its list.
    for (const QSerialPortInfo &entry : current) {
        if (!containsName(ports, entry.portName())) {
            qCDebug(deviceLog) << "New serial port added:" << entry.portName();
            emit portConnected(entry);
        }
    }
    for (const QSerialPortInfo &entry : qAsConst(ports)) {
        if (!containsName(current, entry.portName())) {
            qCDebug(deviceLog) << "Serial port removed:" << entry.portName();
            emit portDisconnected(entry);
        }
    }
    ports = current;
}
