#include "portlisting.h"

#include "serialportmonitor.h"

void listPorts(const QStringList &paths)
{
    QList<PortDescription> ports;
    for (const QString &path : paths)
        ports.append(PortDescription{path, {}});
    SerialPortMonitor::setPortSource([ports]() { return ports; });
}

void listSystemPorts()
{
    SerialPortMonitor::setPortSource({});
}
