#ifndef PORTLISTING_H
#define PORTLISTING_H

#include <QStringList>

// Makes the port monitors list exactly these ports, each a path the system
// does not list (a pseudo-terminal), in this order.
void listPorts(const QStringList &paths);
// Back to the system's own list.
void listSystemPorts();

#endif // PORTLISTING_H
