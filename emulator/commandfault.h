#ifndef COMMANDFAULT_H
#define COMMANDFAULT_H

#include <QByteArray>

// A misbehaviour of the instrument for one command code. The fields combine:
// the answer is chosen (real, error or given bytes), cut, extended, then sent
// after a delay, in pieces, and possibly followed by late bytes or an unplug.
struct CommandFault
{
    int skip = 0;   // requests of this command answered properly before the fault applies
    int count = -1; // requests it then applies to; -1 for all that follow

    bool silent = false;      // no answer at all
    bool errorAnswer = false; // 10 00 FF 00 instead of the answer
    QByteArray answer;        // when not empty: these bytes instead of the answer
    int cutAfter = -1;        // only the first N bytes go out
    QByteArray extra;         // appended: an oversized answer

    int delayMs = 0;    // before the first byte
    int pieceSize = 0;  // > 0: the answer goes out in pieces of this many bytes...
    int pieceGapMs = 0; // ...this far apart

    QByteArray late; // sent unasked, lateMs after the answer
    int lateMs = 0;

    int unplugAfter = -1; // close our side after N bytes of the answer (0: before any)
};

#endif // COMMANDFAULT_H
