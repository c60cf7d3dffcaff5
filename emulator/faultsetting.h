#ifndef FAULTSETTING_H
#define FAULTSETTING_H

#include <QString>

#include "commandfault.h"

// One fault setting from the command line, "COMMAND:KIND[=VALUE]", merged
// into *fault; *command receives the command code (5 to 9, or any byte).
// Kinds: silent, error, answer=HEX, cut=N, extra=HEX, delay=MS,
// pieces=SIZE/GAPMS, late=HEX/MS, unplug=N, skip=N, count=N.
// Example: "9:pieces=64/30" sends block data in pieces of 64 bytes 30 ms apart.
bool parseFaultSetting(const QString &text, int *command, CommandFault *fault, QString *error);

#endif // FAULTSETTING_H
