#ifndef UNLISTEDPORTINFO_H
#define UNLISTEDPORTINFO_H

#include <QSerialPortInfo>
#include <QString>

// A QSerialPortInfo for a port the system does not list, such as a
// pseudo-terminal; portName() and systemLocation() are both path. A serial
// port opens a name that starts with '/' as that path.
QSerialPortInfo unlistedPortInfo(const QString &path, const QString &description = {});

#endif // UNLISTEDPORTINFO_H
