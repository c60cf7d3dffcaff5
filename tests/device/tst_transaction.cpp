#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include "bytes.h"
#include "debugcapture.h"
#include "port.h"
#include "portaccess.h"
#include "sharedinstrument.h"

Q_DECLARE_METATYPE(CommandFault)

class TransactionTest : public QObject, private SharedInstrument
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(openLink({EmulatedBlock::named(QStringLiteral("Block"), {1.0f, 2.0f})})); }
    void cleanupTestCase() { closeLink(); }
    void init() { QVERIFY(settleEmulator(emulator)); }

    void uintToBytesIsLowByteFirst()
    {
        QCOMPARE(uintToBytes(0x00070003), hex("03000700"));
        QCOMPARE(uintToBytes(0x00FF0010), hex("1000ff00"));
        QCOMPARE(uintToBytes(0x82FB0730), hex("3007fb82"));
    }

    void answerShapes_data()
    {
        QTest::addColumn<quint32>("request");
        QTest::addColumn<int>("expectedSize");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<CommandFault>("fault");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<bool>("timesOut");

        const QByteArray name = EmulatedBlock::named(QStringLiteral("Block"), {}).rawName;
        CommandFault pieces;
        pieces.pieceSize = 3;
        pieces.pieceGapMs = 15;
        pieces.late = "zz"; // would be part of the answer if the wait did not end at byte 20
        pieces.lateMs = 60;
        QTest::newRow("pieces end at the completing byte") << 0x00070000u << 20 << 1000 << pieces << name << false;

        CommandFault oversized;
        oversized.extra = "abc";
        QTest::newRow("oversized in one piece is whole") << 0x00070000u << 20 << 1000 << oversized << name + "abc" << false;

        CommandFault silent;
        silent.silent = true;
        QTest::newRow("silence") << 0x00050000u << 4 << 150 << silent << QByteArray() << true;

        CommandFault cut;
        cut.cutAfter = 7;
        QTest::newRow("cut short") << 0x00070000u << 20 << 150 << cut << name.left(7) << true;

        CommandFault error;
        error.errorAnswer = true;
        QTest::newRow("error answer, 4 expected") << 0x00060000u << 4 << 1000 << error << hex("1000ff00") << false;
        QTest::newRow("error answer, 20 expected") << 0x00070000u << 20 << 150 << error << hex("1000ff00") << true;
    }
    void answerShapes()
    {
        QFETCH(quint32, request);
        QFETCH(int, expectedSize);
        QFETCH(int, timeoutMs);
        QFETCH(CommandFault, fault);
        QFETCH(QByteArray, expected);
        QFETCH(bool, timesOut);

        emulator.setFault(int(request >> 16), fault);
        DebugCapture log;
        QElapsedTimer clock;
        clock.start();
        const QByteArray answer = port->sendRequest(request, expectedSize, timeoutMs);
        const qint64 elapsed = clock.elapsed();

        QCOMPARE(answer, expected);
        QCOMPARE(emulator.requests(), QList<QByteArray>{uintToBytes(request)});
        QCOMPARE(log.count(QStringLiteral("4")), 1);
        if (timesOut) {
            // A coarse timer may fire up to 5 % early.
            QVERIFY2(elapsed >= timeoutMs * 94 / 100, qPrintable(QString::number(elapsed)));
            QCOMPARE(log.lines().constLast(), QStringLiteral("recieved TIMEOUT"));
        } else {
            QVERIFY2(elapsed < timeoutMs / 2, qPrintable(QString::number(elapsed)));
            QCOMPARE(log.lines().constLast(), QStringLiteral("recieved VALID"));
        }
    }

    void errorAnswerIsRecognisedOnlyWhole_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("valid");
        QTest::newRow("error answer") << hex("1000ff00") << false;
        QTest::newRow("longer, same start") << hex("1000ff0000") << true;
        QTest::newRow("first half") << hex("1000") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("identification") << hex("3007fb82") << true;
    }
    void errorAnswerIsRecognisedOnlyWhole()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, valid);
        DebugCapture log;
        QCOMPARE(port->isResponseValid(answer), valid);
        QCOMPARE(log.count(QStringLiteral("response error")), valid ? 0 : 1);
    }

    void lateBytesBeforeTheNextRequestAreThrownAway()
    {
        CommandFault slow;
        slow.delayMs = 60;
        slow.count = 1;
        emulator.setFault(6, slow);
        QCOMPARE(port->sendRequest(0x00060000, 4, 20), QByteArray());
        QTest::qWait(100); // the late answer lands while nothing waits
        QCOMPARE(port->sendRequest(0x00050000, 4, 500), hex("3007fb82"));
    }

    void lateBytesAfterTheClearingCountAsTheNextAnswer()
    {
        CommandFault slow;
        slow.delayMs = 60;
        slow.count = 1;
        emulator.setFault(6, slow);
        CommandFault slower;
        slower.delayMs = 150;
        slower.count = 1;
        emulator.setFault(5, slower);
        QCOMPARE(port->sendRequest(0x00060000, 4, 20), QByteArray());
        // The blocks-amount answer arrives during this wait and completes it.
        QCOMPARE(port->sendRequest(0x00050000, 4, 500), hex("01000000"));
    }

    void closedPortReturnsAtOnce()
    {
        Port closed;
        DebugCapture log;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(closed.sendRequest(0x00050000, 4, 2000), QByteArray());
        QVERIFY(clock.elapsed() < 50);
        QCOMPARE(log.lines().constLast(), QStringLiteral("Serial port is not open."));
        QCOMPARE(log.count(QStringLiteral("4")), 0);
    }
};

QTEST_GUILESS_MAIN(TransactionTest)
#include "tst_transaction.moc"
