#ifndef PORTACCESS_H
#define PORTACCESS_H

#include "port.h"

// The device link's private members, for tests only.
struct PortAccess
{
    static SerialPortMonitor &monitor(Port &p) { return p.monitor; }
    static QSerialPort &serialPort(Port &p) { return p.serialPort; }
    static QByteArray &responseBuffer(Port &p) { return p.responseBuffer; }
    static QList<PortDescription> &knownPorts(SerialPortMonitor &m) { return m.ports; }
    static QTimer &pollTimer(SerialPortMonitor &m) { return m.timer; }
};

#endif // PORTACCESS_H
