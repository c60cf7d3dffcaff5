#ifndef PORTLISTING_H
#define PORTLISTING_H

#include <QList>
#include <QSerialPortInfo>

// Makes the port monitors list exactly these ports.
void listPorts(const QList<QSerialPortInfo> &ports);
// Back to the system's own list.
void listSystemPorts();

#endif // PORTLISTING_H
