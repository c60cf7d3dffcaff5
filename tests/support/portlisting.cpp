#include "portlisting.h"

#include "serialportmonitor.h"

void listPorts(const QList<QSerialPortInfo> &ports)
{
    SerialPortMonitor::setPortSource([ports]() { return ports; });
}

void listSystemPorts()
{
    SerialPortMonitor::setPortSource({});
}
