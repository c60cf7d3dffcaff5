#include <QElapsedTimer>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "bytes.h"
#include "faultsetting.h"
#include "instrumentemulator.h"
#include "sharedinstrument.h"

Q_DECLARE_METATYPE(CommandFault)

namespace {

// The host's end of the line, recording when each chunk arrived.
class Host : public QObject
{
public:
    QSerialPort port;
    QByteArray received;
    QVector<qint64> arrivals; // ms since the last send(), one per byte
    QElapsedTimer clock;

    bool open(const QString &path)
    {
        port.setPortName(path);
        port.setBaudRate(57600);
        if (!port.open(QIODevice::ReadWrite))
            return false;
        connect(&port, &QSerialPort::readyRead, this, [this] {
            const QByteArray chunk = port.readAll();
            received += chunk;
            arrivals.insert(arrivals.size(), chunk.size(), clock.elapsed());
        });
        return true;
    }
    void send(const QByteArray &request)
    {
        received.clear();
        arrivals.clear();
        clock.start();
        port.write(request);
    }
    // Waits until n bytes are in or timeoutMs have passed.
    QByteArray ask(const QByteArray &request, int n, int timeoutMs = 1000)
    {
        send(request);
        QElapsedTimer wait;
        wait.start();
        while (received.size() < n && wait.elapsed() < timeoutMs)
            QTest::qWait(2);
        return received;
    }
};

} // namespace

class EmulatorTest : public QObject
{
    Q_OBJECT

    InstrumentEmulator emulator;
    Host host;

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QSerialPort::SerialPortError>();
        QVERIFY(emulator.openPseudoTerminal());
        QVERIFY(emulator.devicePath().startsWith("/dev/pts/"));
        QVERIFY(host.open(emulator.devicePath()));
    }
    void init()
    {
        QVERIFY(settleEmulator(emulator, 5));
        host.port.readAll();
        emulator.setPaced(false);
        emulator.setBlocks({EmulatedBlock::named("One", {1.0f, 2.5f, -0.5f}),
                            EmulatedBlock::named("Two", {}, NamePadding::Zeros)});
    }

    void namedEncodesUtf16LowByteFirst_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("padding");
        QTest::addColumn<QByteArray>("raw");
        QTest::newRow("erased padding") << "AB" << int(NamePadding::Erased)
                                        << hex("41004200ffffffffffffffffffffffffffffffff");
        QTest::newRow("zero padding") << "AB" << int(NamePadding::Zeros)
                                      << hex("4100420000000000000000000000000000000000");
        QTest::newRow("cyrillic") << QStringLiteral("Шов") << int(NamePadding::Erased)
                                  << hex("28043e043204ffffffffffffffffffffffffffff");
        QTest::newRow("cut to ten") << "0123456789AB" << int(NamePadding::Erased)
                                    << hex("3000310032003300340035003600370038003900");
        QTest::newRow("empty") << "" << int(NamePadding::Zeros) << QByteArray(20, '\0');
    }
    void namedEncodesUtf16LowByteFirst()
    {
        QFETCH(QString, name);
        QFETCH(int, padding);
        QFETCH(QByteArray, raw);
        QCOMPARE(EmulatedBlock::named(name, {}, NamePadding(padding)).rawName, raw);
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("identify") << hex("00000500") << hex("3007fb82");
        QTest::newRow("blocks amount") << hex("00000600") << hex("02000000");
        QTest::newRow("name") << hex("00000700") << EmulatedBlock::named("One", {}).rawName;
        QTest::newRow("name, zero padding") << hex("01000700") << EmulatedBlock::named("Two", {}, NamePadding::Zeros).rawName;
        QTest::newRow("size") << hex("00000800") << hex("0300");
        QTest::newRow("size 0") << hex("01000800") << hex("0000");
        QTest::newRow("data") << hex("00000900") << hex("0000803f00002040000000bf");
        QTest::newRow("index past the last block") << hex("02000700") << hex("1000ff00");
        QTest::newRow("index 256, not 0") << hex("00010800") << hex("1000ff00");
        QTest::newRow("unknown command") << hex("00000a00") << hex("1000ff00");
        QTest::newRow("fourth byte not zero") << hex("00000501") << hex("1000ff00");
        QTest::newRow("identify with an index") << hex("01000500") << hex("1000ff00");
    }
    void answers()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        QCOMPARE(host.ask(request, answer.size()), answer);
        QTest::qWait(20);
        QCOMPARE(host.received, answer); // nothing more follows
        QCOMPARE(emulator.requests(), QList<QByteArray>{request});
    }

    void requestsSplitAcrossWritesAreJoined()
    {
        host.send(hex("0000"));
        QTest::qWait(20);
        host.port.write(hex("050000000600"));
        QTRY_COMPARE(host.received.size(), 8);
        QCOMPARE(host.received, hex("3007fb8202000000"));
    }

    void faults_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<CommandFault>("fault");
        QTest::addColumn<QByteArray>("answer");
        CommandFault f;
        f.errorAnswer = true;
        QTest::newRow("error answer") << hex("00000500") << f << hex("1000ff00");
        f = {};
        f.answer = hex("0102");
        QTest::newRow("given bytes") << hex("00000800") << f << hex("0102");
        f = {};
        f.cutAfter = 5;
        QTest::newRow("cut") << hex("00000900") << f << hex("0000803f00");
        f = {};
        f.extra = hex("aabb");
        QTest::newRow("oversized") << hex("00000800") << f << hex("0300aabb");
        f = {};
        f.errorAnswer = true;
        f.cutAfter = 2;
        QTest::newRow("first half of the error answer") << hex("00000800") << f << hex("1000");
        f = {};
        f.silent = true;
        f.extra = hex("aa");
        QTest::newRow("silence wins") << hex("00000500") << f << QByteArray();
    }
    void faults()
    {
        QFETCH(QByteArray, request);
        QFETCH(CommandFault, fault);
        QFETCH(QByteArray, answer);
        emulator.setFault(quint8(request.at(2)), fault);
        host.ask(request, answer.size() + 1, 150);
        QCOMPARE(host.received, answer);
    }

    void skipAndCountChooseTheRequests()
    {
        CommandFault f;
        f.skip = 1;
        f.count = 2;
        f.errorAnswer = true;
        emulator.setFault(5, f);
        QByteArray answers;
        for (int i = 0; i < 4; ++i)
            answers += host.ask(hex("00000500"), 4);
        QCOMPARE(answers, hex("3007fb82") + hex("1000ff00") + hex("1000ff00") + hex("3007fb82"));
    }

    void timing_data()
    {
        QTest::addColumn<CommandFault>("fault");
        QTest::addColumn<QVector<int>>("sizes");    // chunk sizes in order
        QTest::addColumn<QVector<int>>("earliest"); // ms after the request, per chunk
        CommandFault f;
        f.delayMs = 80;
        QTest::newRow("delay") << f << QVector<int>{12} << QVector<int>{78};
        f = {};
        f.pieceSize = 5;
        f.pieceGapMs = 40;
        QTest::newRow("pieces with gaps") << f << QVector<int>{5, 5, 2} << QVector<int>{0, 38, 78};
        f = {};
        f.late = hex("eeee");
        f.lateMs = 60;
        QTest::newRow("late bytes") << f << QVector<int>{12, 2} << QVector<int>{0, 58};
    }
    void timing()
    {
        QFETCH(CommandFault, fault);
        QFETCH(QVector<int>, sizes);
        QFETCH(QVector<int>, earliest);
        emulator.setFault(9, fault);
        int total = 0;
        for (int s : sizes)
            total += s;
        host.ask(hex("00000900"), total, 1000);
        QCOMPARE(host.received.size(), total);
        int at = 0;
        for (int i = 0; i < sizes.size(); ++i) {
            const qint64 t = host.arrivals.at(at);
            QVERIFY2(t >= earliest.at(i) && t < earliest.at(i) + 60,
                     qPrintable(QStringLiteral("chunk %1 at %2 ms").arg(i).arg(t)));
            if (i > 0)
                QVERIFY(host.arrivals.at(at - 1) < t - 10); // a real gap before it
            at += sizes.at(i);
        }
    }

    void unaskedBytesArrive()
    {
        host.send(QByteArray());
        emulator.sendUnasked(hex("abcd"), 30);
        QTRY_COMPARE(host.received, hex("abcd"));
        QVERIFY(host.arrivals.constFirst() >= 28);
    }

    void pacedAnswerTakesTheWireTime()
    {
        QVector<float> values(1000, 1.0f);
        emulator.setBlocks({EmulatedBlock::named("Long", values)});
        emulator.setPaced(true);
        host.ask(hex("00000900"), 4000, 3000);
        QCOMPARE(host.received.size(), 4000);
        const double wireMs = 4004 * 1000.0 / InstrumentEmulator::BytesPerSecond; // 695 ms
        const qint64 took = host.arrivals.constLast();
        QVERIFY2(took > wireMs * 0.97 && took < wireMs * 1.10, qPrintable(QString::number(took)));
        // The first bytes come after the request's and their own wire time, not at once.
        QVERIFY(host.arrivals.constFirst() >= 1);
    }

    // Last, because it closes the shared line.
    void unplugAfterSomeBytes()
    {
        CommandFault f;
        f.unplugAfter = 6;
        emulator.setFault(9, f);
        QSignalSpy unplugged(&emulator, &InstrumentEmulator::unplugged);
        QSignalSpy hostError(&host.port, &QSerialPort::errorOccurred);
        host.ask(hex("00000900"), 7, 300);
        QCOMPARE(host.received, hex("0000803f0000"));
        QCOMPARE(unplugged.count(), 1);
        QVERIFY(!emulator.isOpen());
        QTRY_VERIFY(hostError.count() > 0);
        QCOMPARE(hostError.constLast().at(0).value<QSerialPort::SerialPortError>(), QSerialPort::ResourceError);
        host.port.close();

        // A new line can be opened afterwards.
        QVERIFY(emulator.openPseudoTerminal());
        QVERIFY(host.open(emulator.devicePath()));
        QCOMPARE(host.ask(hex("00000500"), 4), hex("3007fb82"));
    }

    void jsonBlocks_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("blocks");
        QTest::newRow("names and values") << QByteArray(R"({"blocks":[{"name":"A","values":[1.5,-2]},{"name":"B","values":[]}]})") << true << 2;
        QTest::newRow("special values") << QByteArray(R"({"blocks":[{"name":"S","values":["nan","inf","-inf",0]}]})") << true << 1;
        QTest::newRow("raw name") << QByteArray(R"({"blocks":[{"rawName":"41004200","values":[1]}]})") << true << 1;
        QTest::newRow("no blocks") << QByteArray(R"({"blocks":[]})") << true << 0;
        QTest::newRow("not JSON") << QByteArray("{blocks") << false << 0;
        QTest::newRow("array at the top") << QByteArray("[]") << false << 0;
        QTest::newRow("text value") << QByteArray(R"({"blocks":[{"name":"A","values":["x"]}]})") << false << 0;
    }
    void jsonBlocks()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, ok);
        QFETCH(int, blocks);
        QTemporaryDir dir;
        QFile file(dir.filePath("blocks.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        QVector<EmulatedBlock> loaded;
        QString error;
        QCOMPARE(loadBlocksFromJson(file.fileName(), &loaded, &error), ok);
        QCOMPARE(error.isEmpty(), ok);
        QCOMPARE(loaded.size(), blocks);
    }

    void jsonValuesAndPadding()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("blocks.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"padding":"00","blocks":[{"name":"Ab","values":[0.1,"nan","-inf",3.4028234663852886e38]},
                      {"rawName":"0102","values":[]}]})");
        file.close();
        QVector<EmulatedBlock> blocks;
        QString error;
        QVERIFY(loadBlocksFromJson(file.fileName(), &blocks, &error));
        QCOMPARE(blocks.at(0).rawName, EmulatedBlock::named("Ab", {}, NamePadding::Zeros).rawName);
        QCOMPARE(bitsOf(blocks.at(0).values.at(0)), bitsOf(0.1f));
        QVERIFY(std::isnan(blocks.at(0).values.at(1)));
        QCOMPARE(bitsOf(blocks.at(0).values.at(2)), 0xFF800000u);
        QCOMPARE(bitsOf(blocks.at(0).values.at(3)), 0x7F7FFFFFu);
        QCOMPARE(blocks.at(1).rawName, hex("0102"));
    }

    void faultSpecs_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("check"); // field=value as read back below; empty when invalid
        QTest::newRow("silent") << "5:silent" << 5 << "silent=1";
        QTest::newRow("error") << "9:error" << 9 << "error=1";
        QTest::newRow("answer") << "6:answer=0700" << 6 << "answer=0700";
        QTest::newRow("cut") << "9:cut=200" << 9 << "cut=200";
        QTest::newRow("extra") << "9:extra=00" << 9 << "extra=00";
        QTest::newRow("delay") << "7:delay=150" << 7 << "delay=150";
        QTest::newRow("pieces") << "9:pieces=64/30" << 9 << "pieces=64/30";
        QTest::newRow("late") << "8:late=ff00/20" << 8 << "late=ff00/20";
        QTest::newRow("unplug") << "9:unplug=100" << 9 << "unplug=100";
        QTest::newRow("skip") << "5:skip=3" << 5 << "skip=3";
        QTest::newRow("no command") << "silent" << -1 << "";
        QTest::newRow("unknown kind") << "5:quiet" << -1 << "";
        QTest::newRow("odd hex") << "6:answer=070" << -1 << "";
        QTest::newRow("negative") << "9:cut=-1" << -1 << "";
        QTest::newRow("piece size 0") << "9:pieces=0/10" << -1 << "";
        QTest::newRow("value on a flag") << "5:silent=1" << -1 << "";
    }
    void faultSpecs()
    {
        QFETCH(QString, setting);
        QFETCH(int, command);
        QFETCH(QString, check);
        int code = -1;
        CommandFault f;
        QString error;
        const bool ok = parseFaultSetting(setting, &code, &f, &error);
        QCOMPARE(ok, !check.isEmpty());
        if (!ok) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(code, command);
        const QString read = QStringList{
                f.silent ? "silent=1" : "", f.errorAnswer ? "error=1" : "",
                f.answer.isEmpty() ? "" : "answer=" + f.answer.toHex(),
                f.cutAfter >= 0 ? QString("cut=%1").arg(f.cutAfter) : "",
                f.extra.isEmpty() ? "" : "extra=" + f.extra.toHex(),
                f.delayMs ? QString("delay=%1").arg(f.delayMs) : "",
                f.pieceSize ? QString("pieces=%1/%2").arg(f.pieceSize).arg(f.pieceGapMs) : "",
                f.late.isEmpty() ? "" : QString("late=%1/%2").arg(QString(f.late.toHex())).arg(f.lateMs),
                f.unplugAfter >= 0 ? QString("unplug=%1").arg(f.unplugAfter) : "",
                f.skip ? QString("skip=%1").arg(f.skip) : ""}.join("");
        QCOMPARE(read, check);
    }

    void commandLineProgram()
    {
        const QString program = qEnvironmentVariable("ORMEDA_TEST_BINARY_DIR") + "/emulator/ormeda-emulator";
        if (!QFileInfo::exists(program))
            QSKIP("the emulator program is not built");
        QTemporaryDir dir;
        QFile file(dir.filePath("blocks.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"blocks":[{"name":"Cli","values":[4.5]}]})");
        file.close();

        QProcess process;
        process.start(program, {"--blocks", file.fileName(), "--fault", "8:delay=20", "--fault", "8:count=1"});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY(process.canReadLine());
        const QString path = QString::fromLocal8Bit(process.readLine()).trimmed();
        QVERIFY2(path.startsWith("/dev/pts/"), qPrintable(path));

        Host cli;
        QVERIFY(cli.open(path));
        QCOMPARE(cli.ask(hex("00000500"), 4), hex("3007fb82"));
        QCOMPARE(cli.ask(hex("00000600"), 4), hex("01000000"));
        QCOMPARE(cli.ask(hex("00000700"), 20), EmulatedBlock::named("Cli", {}).rawName);
        QCOMPARE(cli.ask(hex("00000800"), 2), hex("0100"));
        QVERIFY(cli.arrivals.constFirst() >= 18);
        QCOMPARE(cli.ask(hex("00000900"), 4), hex("00009040"));
        process.kill();
        process.waitForFinished();

        QProcess bad;
        bad.start(program, {"--fault", "5:quiet"});
        QVERIFY(bad.waitForFinished());
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains("unknown fault"));
    }
};

QTEST_GUILESS_MAIN(EmulatorTest)
#include "tst_emulator.moc"
