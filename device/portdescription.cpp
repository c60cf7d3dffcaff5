#include "portdescription.h"

#include <QSerialPortInfo>

PortDescription describePort(const QSerialPortInfo &info)
{
    return {info.portName(), info.description()};
}

QList<PortDescription> describeSystemPorts()
{
    const QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
    QList<PortDescription> ports;
    ports.reserve(listed.size());
    for (const QSerialPortInfo &info : listed)
        ports.append(describePort(info));
    return ports;
}
