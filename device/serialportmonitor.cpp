#include "serialportmonitor.h"

#include "devicelog.h"

#include <utility>

namespace {

SerialPortMonitor::PortSource &portSource()
{
    static SerialPortMonitor::PortSource source;
    return source;
}

QList<PortDescription> &unlistedPorts()
{
    static QList<PortDescription> ports;
    return ports;
}

bool containsName(const QList<PortDescription> &list, const QString &name)
{
    for (const PortDescription &port : list) {
        if (port.portName == name)
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
    unlistedPorts().append(PortDescription{path, description});
}

void SerialPortMonitor::removeUnlistedPort(const QString &path)
{
    QList<PortDescription> &ports = unlistedPorts();
    for (auto it = ports.begin(); it != ports.end();) {
        if (it->portName == path)
            it = ports.erase(it);
        else
            ++it;
    }
}

void SerialPortMonitor::checkForPortChanges()
{
    const PortSource &source = portSource();
    const QList<PortDescription> listed = source ? source() : describeSystemPorts();
    const QList<PortDescription> &unlisted = unlistedPorts();
    QList<PortDescription> current = unlisted;
    for (const PortDescription &entry : listed) {
        if (!containsName(unlisted, entry.portName))
            current.append(entry);
    }

    // A receiver of portConnected may wait in a nested event loop for seconds;
    // this timer's next time-out is not delivered meanwhile, so no second poll
    // starts before this one has stored its list.
    for (const PortDescription &entry : std::as_const(current)) {
        if (!containsName(ports, entry.portName)) {
            qCDebug(deviceLog) << "New serial port added:" << entry.portName;
            emit portConnected(entry);
        }
    }
    for (const PortDescription &entry : std::as_const(ports)) {
        if (!containsName(current, entry.portName)) {
            qCDebug(deviceLog) << "Serial port removed:" << entry.portName;
            emit portDisconnected(entry);
        }
    }
    ports = current;
}
