#ifndef LINE_H
#define LINE_H

#include <QString>

// The instrument's end of the serial line, as raw non-blocking file descriptors.
struct LineEnds
{
    int fd = -1;     // read requests from and write answers to this
    int keeper = -1; // pseudo-terminals: our own handle on the host's side (see line.cpp)
    QString hostPath;
};

// A new pseudo-terminal pair; the host opens hostPath as its serial port.
bool openPseudoTerminalLine(LineEnds *ends, QString *error);
// A real serial device, 57600 baud 8N1, raw, no flow control.
bool openSerialLine(const QString &device, LineEnds *ends, QString *error);
void closeLine(LineEnds *ends);
// Bytes we wrote that the host has not read yet, as far as we can tell
// (pseudo-terminals only; 0 otherwise).
int unreadByHost(const LineEnds &ends);

#endif // LINE_H
