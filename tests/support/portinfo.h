#ifndef PORTINFO_H
#define PORTINFO_H

#include <QSerialPortInfo>
#include <QString>

// A QSerialPortInfo for a port the system does not list, such as a
// pseudo-terminal. Give the full path ("/dev/pts/5") as portName: a serial
// port opens a name that starts with '/' as that path. Test use only.
QSerialPortInfo makePortInfo(const QString &portName, const QString &description = {});

#endif // PORTINFO_H
