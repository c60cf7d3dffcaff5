#include "sharedinstrument.h"

#include <QElapsedTimer>
#include <QTest>

#include "instrumentfixture.h"
#include "port.h"

SharedInstrument::~SharedInstrument()
{
    delete port;
}

bool SharedInstrument::openLink(const QVector<EmulatedBlock> &blocks)
{
    listPorts({});
    if (!emulator.openPseudoTerminal()) {
        QTest::qFail("the emulator opened no pseudo-terminal", __FILE__, __LINE__);
        return false;
    }
    emulator.setBlocks(blocks);
    port = new Port;
    return plugInstrument(*port, emulator);
}

void SharedInstrument::closeLink()
{
    delete port;
    port = nullptr;
    listSystemPorts();
}

bool settleEmulator(InstrumentEmulator &emulator, int quietMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!emulator.isIdle()) {
        if (clock.elapsed() > 5000) {
            QTest::qFail("the emulator is still answering", __FILE__, __LINE__);
            return false;
        }
        QTest::qWait(10);
    }
    QTest::qWait(quietMs);
    emulator.clearFaults();
    emulator.clearRequests();
    return true;
}
