#ifndef PORTDESCRIPTION_H
#define PORTDESCRIPTION_H

#include <QList>
#include <QMetaType>
#include <QString>

class QSerialPortInfo;

// What the port monitor and the link know of a serial port. QSerialPortInfo
// can only stand for a port the system lists; this also stands for one it
// does not, such as a pseudo-terminal this process or a test serves, which
// gets one directly: PortDescription{path, description}.
struct PortDescription
{
    // The name QSerialPort::setPortName() opens and the monitor tells ports
    // apart by: a listed port's own name (ttyUSB0, COM3), or an unlisted
    // port's path, which a serial port opens as it stands since it starts
    // with '/'.
    QString portName;
    QString description;
};

Q_DECLARE_METATYPE(PortDescription)

// A port the system lists. A null info (a name the system does not list)
// gives an empty name, which no serial port opens.
PortDescription describePort(const QSerialPortInfo &info);

// The ports the system lists now, in its order.
QList<PortDescription> describeSystemPorts();

#endif // PORTDESCRIPTION_H
