#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include "debugcapture.h"
#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "port.h"
#include "portaccess.h"

Q_DECLARE_METATYPE(CommandFault)

namespace {

const QByteArray IdentifyFrame = QByteArray::fromHex("00000500");

QList<QByteArray> identifyFrames(int n)
{
    QList<QByteArray> frames;
    for (int i = 0; i < n; ++i)
        frames.append(IdentifyFrame);
    return frames;
}

} // namespace

// Every case builds its own Port, so each starts in the state right after
// construction, with the constructor's error connection still in place.
class HandshakeTest : public QObject
{
    Q_OBJECT

    InstrumentEmulator instrument;

private slots:
    void initTestCase()
    {
        listPorts({});
        QVERIFY(instrument.openPseudoTerminal());
        instrument.setBlocks(sampleBlocks());
    }
    void cleanupTestCase()
    {
        listSystemPorts();
    }
    void init()
    {
        listPorts({});
        instrument.clearFaults();
        instrument.clearRequests();
    }

    void recognisedAfterFourExchanges()
    {
        Port port;
        QSignalSpy found(&port, &Port::validPortFound);
        QSignalSpy lost(&port, &Port::validPortDisconnected);
        DebugCapture log;
        QVERIFY(plugInstrument(port, instrument));

        QCOMPARE(instrument.requests(), identifyFrames(4));
        QCOMPARE(found.count(), 1);
        // The open's own NoError report reaches the constructor's error connection.
        QCOMPARE(lost.count(), 1);

        const QString ok = QStringLiteral("ASS:  \"0\\x07\\xFB\\x82\"");
        const QStringList expected = {
            "New serial port added: \"" + instrument.devicePath() + '"',
            "check COM called", "QSerialPort::NoError", "serial opened", "ASS:  \"\"",
            "4", "recieved VALID", ok, "4", "recieved VALID", ok, "4", "recieved VALID", ok,
            "4", "recieved VALID", "nash slon"};
        QCOMPARE(log.lines(), expected);

        QSerialPort &serial = PortAccess::serialPort(port);
        QVERIFY(serial.isOpen());
        QCOMPARE("/dev/" + serial.portName(), instrument.devicePath());
        QCOMPARE(serial.baudRate(QSerialPort::Input), 57600);
        QCOMPARE(serial.baudRate(QSerialPort::Output), 57600);
        QCOMPARE(serial.dataBits(), QSerialPort::Data8);
        QCOMPARE(serial.parity(), QSerialPort::NoParity);
        QCOMPARE(serial.stopBits(), QSerialPort::OneStop);
        QCOMPARE(serial.flowControl(), QSerialPort::NoFlowControl);
        QCOMPARE(serial.openMode(), QIODevice::ReadWrite);

        // Both probe connections (the constructor's and the one the NoError
        // report added) are cut: a new port is only logged now.
        InstrumentEmulator other;
        QVERIFY(other.openPseudoTerminal());
        log.clear();
        listPorts({instrument.devicePath(), other.devicePath()});
        QTRY_COMPARE_WITH_TIMEOUT(log.count("New serial port added: \"" + other.devicePath() + '"'), 1, 2000);
        QTest::qWait(50);
        QCOMPARE(log.count(QStringLiteral("check COM called")), 0);
        QVERIFY(other.requests().isEmpty());
        QCOMPARE(found.count(), 1);
    }

    void decisiveAnswerDecides_data()
    {
        QTest::addColumn<CommandFault>("fault");
        QTest::addColumn<bool>("accepted");

        CommandFault wrongWarmUps;
        wrongWarmUps.count = 3;
        wrongWarmUps.answer = QByteArray::fromHex("00000000");
        QTest::newRow("wrong warm-ups, right decisive answer") << wrongWarmUps << true;

        CommandFault errorWarmUp;
        errorWarmUp.count = 1;
        errorWarmUp.errorAnswer = true;
        QTest::newRow("error answer to a warm-up") << errorWarmUp << true;

        CommandFault wrongDecisive;
        wrongDecisive.skip = 3;
        wrongDecisive.answer = QByteArray::fromHex("3007fb83");
        QTest::newRow("wrong decisive answer") << wrongDecisive << false;

        CommandFault longDecisive;
        longDecisive.skip = 3;
        longDecisive.extra = QByteArray::fromHex("00");
        QTest::newRow("decisive answer one byte too long") << longDecisive << false;

        CommandFault errorDecisive;
        errorDecisive.skip = 3;
        errorDecisive.errorAnswer = true;
        QTest::newRow("error answer to the decisive request") << errorDecisive << false;
    }
    void decisiveAnswerDecides()
    {
        QFETCH(CommandFault, fault);
        QFETCH(bool, accepted);

        instrument.setFault(5, fault);
        Port port;
        QSignalSpy found(&port, &Port::validPortFound);
        DebugCapture log;
        listEmulatorPort(instrument);
        QTRY_VERIFY_WITH_TIMEOUT(found.count() + log.count(QStringLiteral("lame")) > 0, 3000);
        QCOMPARE(found.count(), accepted ? 1 : 0);
        QCOMPARE(log.count(QStringLiteral("lame")), accepted ? 0 : 1);
        QCOMPARE(PortAccess::serialPort(port).isOpen(), accepted);
        QCOMPARE(instrument.requests(), identifyFrames(4));
        if (!accepted) {
            // The port stays in the monitor's list and is not probed again.
            QTest::qWait(600);
            QCOMPARE(log.count(QStringLiteral("check COM called")), 1);
        }
    }

    // The first open's NoError report doubles the probe connection: later ports
    // are probed twice while nothing is found, and a find cuts both at once.
    void noErrorAtOpenDoublesLaterProbes()
    {
        CommandFault refuse;
        refuse.answer = QByteArray::fromHex("00000000");
        InstrumentEmulator first, second;
        QVERIFY(first.openPseudoTerminal());
        QVERIFY(second.openPseudoTerminal());
        first.setFault(5, refuse);
        second.setFault(5, refuse);

        Port port;
        QSignalSpy found(&port, &Port::validPortFound);
        QSignalSpy lost(&port, &Port::validPortDisconnected);
        DebugCapture log;
        listPorts({first.devicePath()});
        QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("lame")), 1, 3000);
        QCOMPARE(log.count(QStringLiteral("QSerialPort::NoError")), 1);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(first.requests(), identifyFrames(4));

        listPorts({first.devicePath(), second.devicePath()});
        QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("lame")), 3, 3000);
        QCOMPARE(second.requests(), identifyFrames(8));

        listPorts({first.devicePath(), second.devicePath(), instrument.devicePath()});
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 3000);
        QTest::qWait(50);
        QCOMPARE(instrument.requests(), identifyFrames(4));
        QCOMPARE(log.count(QStringLiteral("check COM called")), 4);
        QCOMPARE(lost.count(), 1);
    }

    void portThatCannotBeOpenedIsLeftSilently()
    {
        Port port;
        QSignalSpy found(&port, &Port::validPortFound);
        DebugCapture log;
        listPorts({QStringLiteral("/dev/no-such-port")});
        QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("check COM called")), 1, 2000);
        QTest::qWait(50);
        QCOMPARE(log.count(QStringLiteral("serial opened")), 0);
        QCOMPARE(log.count(QStringLiteral("lame")), 0);
        QVERIFY(!PortAccess::serialPort(port).isOpen());

        // The instrument listed after it is still found.
        listPorts({QStringLiteral("/dev/no-such-port"), instrument.devicePath()});
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 3000);
    }

    // The only case that waits for the probe's time-outs: three warm-ups of
    // 700 ms and the decisive 2000 ms before the next port's turn.
    void silentPortHoldsTheProbeAndTheNextPortWaits()
    {
        InstrumentEmulator silent;
        QVERIFY(silent.openPseudoTerminal());
        CommandFault mute;
        mute.silent = true;
        silent.setFault(5, mute);

        Port port;
        QSignalSpy found(&port, &Port::validPortFound);
        DebugCapture log;
        listPorts({silent.devicePath(), instrument.devicePath()});
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 7000);

        const qint64 opened = log.timeOf(QStringLiteral("serial opened"));
        const qint64 timeouts[] = {log.timeOf(QStringLiteral("recieved TIMEOUT"), 0),
                                   log.timeOf(QStringLiteral("recieved TIMEOUT"), 1),
                                   log.timeOf(QStringLiteral("recieved TIMEOUT"), 2),
                                   log.timeOf(QStringLiteral("recieved TIMEOUT"), 3)};
        const qint64 lame = log.timeOf(QStringLiteral("lame"));
        const QString times = QStringLiteral("%1 %2 %3 %4 %5 %6").arg(opened).arg(timeouts[0])
                .arg(timeouts[1]).arg(timeouts[2]).arg(timeouts[3]).arg(lame);
        // Coarse timers may fire up to 5 % early.
        QVERIFY2(timeouts[0] - opened >= 665 && timeouts[0] - opened < 800, qPrintable(times));
        QVERIFY2(timeouts[2] - opened >= 1995 && timeouts[2] - opened < 2300, qPrintable(times));
        QVERIFY2(timeouts[3] - timeouts[2] >= 1900 && timeouts[3] - timeouts[2] < 2200, qPrintable(times));
        QVERIFY2(lame >= timeouts[3], qPrintable(times));
        QVERIFY2(log.timeOf(QStringLiteral("serial opened"), 1) >= lame, qPrintable(times));

        QCOMPARE(silent.requests(), identifyFrames(4));
        QCOMPARE(instrument.requests(), identifyFrames(4));
    }

    // A port reported while a request waits is probed only after the wait.
    void probeWaitsForTheRequestInProgress()
    {
        Port port;
        QVERIFY(plugInstrument(port, instrument));
        InstrumentEmulator next;
        QVERIFY(next.openPseudoTerminal());
        next.setBlocks(sampleBlocks());

        QSignalSpy found(&port, &Port::validPortFound);
        QSignalSpy lost(&port, &Port::validPortDisconnected);
        CommandFault mute;
        mute.silent = true;
        instrument.setFault(6, mute);
        // Another port is reported while the request waits, then the
        // instrument is pulled, which ends the wait at once.
        QTimer::singleShot(50, [&] { port.checkIfPortIsValidForDataExchange(PortDescription{next.devicePath(), {}}); });
        QTimer::singleShot(100, &instrument, &InstrumentEmulator::unplug);

        DebugCapture log;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(port.sendRequest(0x00060000, 4, 1300), QByteArray());
        QVERIFY2(clock.elapsed() < 600, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(lost.count(), 1);
        QCOMPARE(log.count(QStringLiteral("check COM called")), 0);
        QVERIFY(next.requests().isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, 2000);
        QCOMPARE(next.requests(), identifyFrames(4));
        QCOMPARE(port.getBlocksAmount(), sampleBlocks().size());

        QVERIFY(instrument.openPseudoTerminal());
    }
};

QTEST_GUILESS_MAIN(HandshakeTest)
#include "tst_handshake.moc"
