#ifndef SHAREDINSTRUMENT_H
#define SHAREDINSTRUMENT_H

#include "instrumentemulator.h"

class Port;

// One emulator and one Port connected to it, shared by every case of a suite.
// Mixed into the test object, so the cases use emulator and port directly.
class SharedInstrument
{
protected:
    ~SharedInstrument();

    // No other port is listed; the emulator gets these blocks before the link comes up.
    bool openLink(const QVector<EmulatedBlock> &blocks = {});
    // Drops the port and gives the monitors the system's list back.
    void closeLink();

    InstrumentEmulator emulator;
    Port *port = nullptr;
};

// Lets the bytes of an earlier case land (the emulator idle, then quietMs more)
// and forgets its faults and requests. False, after a QtTest failure message,
// when the emulator is still busy after five seconds.
bool settleEmulator(InstrumentEmulator &emulator, int quietMs = 10);

#endif // SHAREDINSTRUMENT_H
