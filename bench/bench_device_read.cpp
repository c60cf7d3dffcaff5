// A full read of the instrument's blocks through Port, against the emulator:
// paced at 57600 baud 8N1 the read time is set beside the wire time of the
// same bytes; unpaced it shows the host's own cost per transaction.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "port.h"

namespace {

// The per-value debug lines of a 16384-value block would measure the
// terminal, not the link.
void discardDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

QVector<EmulatedBlock> makeBlocks(int count, int values)
{
    QVector<EmulatedBlock> blocks;
    for (int b = 0; b < count; ++b) {
        QVector<float> v(values);
        for (int i = 0; i < values; ++i)
            v[i] = float(b) + float(i) / 7.0f;
        blocks.append(EmulatedBlock::named(QStringLiteral("Block %1").arg(b), v));
    }
    return blocks;
}

struct Read
{
    qint64 ms = 0;
    int transactions = 0;
    qint64 bytes = 0; // requests and answers together
    bool intact = true;
};

// What the main window's read handler asks for: the amount, then name and data block by block.
Read readInstrument(Port &port, InstrumentEmulator &emulator)
{
    const QVector<EmulatedBlock> expected = emulator.blocks();
    emulator.clearRequests();
    const qint64 sentBefore = emulator.bytesSent();
    Read read;
    QElapsedTimer clock;
    clock.start();
    const int amount = port.getBlocksAmount();
    for (int b = 0; b < amount; ++b) {
        const QByteArray name = port.getBlockName(b);
        const QVector<float> values = port.getBlockData(b);
        read.intact = read.intact && name == expected.at(b).rawName && values == expected.at(b).values;
    }
    read.ms = clock.elapsed();
    read.intact = read.intact && amount == expected.size();
    read.transactions = emulator.requests().size();
    read.bytes = 4 * read.transactions + emulator.bytesSent() - sentBefore;
    return read;
}

void reportPaced(QTextStream &out, const char *what, const Read &read)
{
    const double wireMs = read.bytes * 1000.0 / InstrumentEmulator::BytesPerSecond;
    out << QStringLiteral("%1: %2 transactions, %3 bytes on the wire; wire time %4 ms, read time %5 ms (%6 %), %7")
                   .arg(QLatin1String(what)).arg(read.transactions).arg(read.bytes)
                   .arg(wireMs, 0, 'f', 0).arg(read.ms)
                   .arg(100.0 * (double(read.ms) - wireMs) / wireMs, 0, 'f', 1)
                   .arg(read.intact ? QStringLiteral("every name and value intact") : QStringLiteral("DATA DIFFERS"))
        << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    qInstallMessageHandler(discardDebug);
    listPorts({});

    InstrumentEmulator emulator;
    if (!emulator.openPseudoTerminal()) {
        out << "cannot open a pseudo-terminal: " << emulator.errorString() << Qt::endl;
        return 1;
    }
    Port port;
    if (!plugInstrument(port, emulator)) {
        out << "the handshake failed" << Qt::endl;
        return 1;
    }

    emulator.setPaced(true);
    emulator.setBlocks(makeBlocks(1, 16384));
    reportPaced(out, "paced, 1 block of 16384 values", readInstrument(port, emulator));
    emulator.setBlocks(makeBlocks(200, 50));
    reportPaced(out, "paced, 200 blocks of 50 values", readInstrument(port, emulator));

    emulator.setPaced(false);
    const int rounds = 2000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        port.sendRequest(0x00080000, 2, 200);
    out << QStringLiteral("unpaced, block size request: %1 us per transaction")
                   .arg(clock.nsecsElapsed() / 1000.0 / rounds, 0, 'f', 1) << Qt::endl;
    const Read small = readInstrument(port, emulator);
    out << QStringLiteral("unpaced, 200 blocks of 50 values: %1 ms, %2 us per transaction, %3")
                   .arg(small.ms).arg(small.ms * 1000.0 / small.transactions, 0, 'f', 1)
                   .arg(small.intact ? QStringLiteral("intact") : QStringLiteral("DATA DIFFERS")) << Qt::endl;
    emulator.setBlocks(makeBlocks(1, 16384));
    const Read big = readInstrument(port, emulator);
    out << QStringLiteral("unpaced, 1 block of 16384 values: %1 ms, %2")
                   .arg(big.ms).arg(big.intact ? QStringLiteral("intact") : QStringLiteral("DATA DIFFERS")) << Qt::endl;
    listSystemPorts();
    return 0;
}
