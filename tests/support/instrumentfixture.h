#ifndef INSTRUMENTFIXTURE_H
#define INSTRUMENTFIXTURE_H

#include "portlisting.h"

class InstrumentEmulator;
class MainWindow;
class Port;

// Makes the port monitors list the emulator's device (and nothing else) while
// the emulator is open; an unplugged or destroyed emulator lists nothing.
void listEmulatorPort(InstrumentEmulator &emulator);

// Lists the emulator's pseudo-terminal and waits until the port's handshake has
// found it. If the monitor still remembers that path from an earlier pseudo-
// terminal of the same number, it first waits for a poll that drops it, so the
// new one is reported as added. Returns false (after a QtTest failure message)
// when the link does not come up within timeoutMs.
bool plugInstrument(Port &port, InstrumentEmulator &emulator, int timeoutMs = 5000);

// The same for a window: returns once its read button is enabled.
bool connectInstrument(MainWindow &window, InstrumentEmulator &emulator, int timeoutMs = 5000);

#endif // INSTRUMENTFIXTURE_H
