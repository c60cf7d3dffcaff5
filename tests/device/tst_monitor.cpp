#include <QElapsedTimer>
#include <QSerialPortInfo>
#include <QtTest>

#include "debugcapture.h"
#include "portaccess.h"
#include "serialportmonitor.h"

namespace {

QList<PortDescription> portList(const QStringList &names, const QString &description = {})
{
    QList<PortDescription> list;
    for (const QString &name : names)
        list.append(PortDescription{name, description});
    return list;
}

// Records what a monitor reports, tagged + for added and - for removed.
struct Reports
{
    QStringList added, addedDescriptions, removed, order;
    explicit Reports(SerialPortMonitor &monitor)
    {
        QObject::connect(&monitor, &SerialPortMonitor::portConnected, [this](const PortDescription &port) {
            added << port.portName;
            addedDescriptions << port.description;
            order << "+";
        });
        QObject::connect(&monitor, &SerialPortMonitor::portDisconnected, [this](const PortDescription &port) {
            removed << port.portName;
            order << "-";
        });
    }
};

QStringList repeated(const QString &s, int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << s;
    return list;
}

} // namespace

class MonitorTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        SerialPortMonitor::setPortSource({});
    }

    // The name kept of a listed port is one a serial port opens as that port.
    void systemPortRoundTrip()
    {
        const QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
        if (listed.isEmpty())
            QSKIP("this machine lists no serial port");
        QSerialPort serial;
        serial.setPortName(describePort(listed.constFirst()).portName);
        const PortDescription found = describePort(QSerialPortInfo(serial));
        QCOMPARE(found.portName, listed.constFirst().portName());
        QCOMPARE(found.description, listed.constFirst().description());
    }

    void changes_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("additions before removals, each in its list's order")
                << QStringList{"COM1", "COM2", "COM3"} << QStringList{"COM5", "COM2", "COM4"}
                << QStringList{"COM5", "COM4"} << QStringList{"COM1", "COM3"}
                << QStringList{"New serial port added: \"COM5\"", "New serial port added: \"COM4\"",
                               "Serial port removed: \"COM1\"", "Serial port removed: \"COM3\""};
        QTest::newRow("same names, other order") << QStringList{"COM1", "COM3"} << QStringList{"COM3", "COM1"}
                << QStringList() << QStringList() << QStringList();
        QTest::newRow("every port vanishes") << QStringList{"COM7", "COM1", "COM3"} << QStringList()
                << QStringList() << QStringList{"COM7", "COM1", "COM3"}
                << QStringList{"Serial port removed: \"COM7\"", "Serial port removed: \"COM1\"",
                               "Serial port removed: \"COM3\""};
        QTest::newRow("names compare case-sensitively") << QStringList{"com1"} << QStringList{"COM1"}
                << QStringList{"COM1"} << QStringList{"com1"}
                << QStringList{"New serial port added: \"COM1\"", "Serial port removed: \"com1\""};
    }
    void changes()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, added);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, log);

        SerialPortMonitor monitor;
        SerialPortMonitor::setPortSource([&] { return portList(before); });
        monitor.checkForPortChanges();

        Reports reports(monitor);
        DebugCapture lines;
        SerialPortMonitor::setPortSource([&] { return portList(after); });
        monitor.checkForPortChanges();

        QCOMPARE(reports.added, added);
        QCOMPARE(reports.removed, removed);
        QCOMPARE(lines.lines(), log);
        QCOMPARE(reports.order, repeated("+", added.size()) + repeated("-", removed.size()));
        QStringList stored;
        for (const PortDescription &port : PortAccess::knownPorts(monitor))
            stored << port.portName;
        QCOMPARE(stored, after);
    }

    // The process's own ports go ahead of the listed ones, are reported as
    // listed ones are, once even when the source lists them too, and leave as
    // an unplugged port would.
    void unlistedPortsComeFirst_data()
    {
        QTest::addColumn<bool>("systemList");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("descriptions");

        QTest::newRow("ahead of the source's ports") << false << QStringList{"COM1", "COM2"}
                << QStringList{"/dev/pts/9", "COM1", "COM2"} << QStringList{"Demo", "Listed", "Listed"};
        QTest::newRow("listed by the source too") << false << QStringList{"COM1", "/dev/pts/9"}
                << QStringList{"/dev/pts/9", "COM1"} << QStringList{"Demo", "Listed"};
        // Straight from Qt rather than through describeSystemPorts().
        QStringList systemNames{"/dev/pts/9"}, systemDescriptions{"Demo"};
        for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
            systemNames << info.portName();
            systemDescriptions << info.description();
        }
        QTest::newRow("ahead of the system's ports") << true << QStringList() << systemNames << systemDescriptions;
    }
    void unlistedPortsComeFirst()
    {
        QFETCH(bool, systemList);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, added);
        QFETCH(QStringList, descriptions);

        const QString path = QStringLiteral("/dev/pts/9");
        SerialPortMonitor monitor;
        Reports reports(monitor);
        if (systemList)
            SerialPortMonitor::setPortSource({});
        else
            SerialPortMonitor::setPortSource([&] { return portList(listed, "Listed"); });
        SerialPortMonitor::addUnlistedPort(path, QStringLiteral("Demo"));
        monitor.checkForPortChanges();
        SerialPortMonitor::removeUnlistedPort(path);
        listed.removeAll(path);
        monitor.checkForPortChanges();
        SerialPortMonitor::setPortSource({});

        QCOMPARE(reports.added, added);
        QCOMPARE(reports.addedDescriptions, descriptions);
        QCOMPARE(reports.removed, QStringList{path});
    }

    void changedDescriptionIsNotReported()
    {
        SerialPortMonitor monitor;
        SerialPortMonitor::setPortSource([] { return portList({"COM1"}, "USB serial"); });
        monitor.checkForPortChanges();
        Reports reports(monitor);
        SerialPortMonitor::setPortSource([] { return portList({"COM1"}, "Instrument"); });
        monitor.checkForPortChanges();
        QVERIFY(reports.order.isEmpty());
        // The stored list is the new one all the same.
        QCOMPARE(PortAccess::knownPorts(monitor).constFirst().description, QStringLiteral("Instrument"));
    }

    void firstPollComesFromTheTimer()
    {
        SerialPortMonitor::setPortSource([] { return portList({"COM1", "COM3"}); });
        QElapsedTimer clock;
        clock.start();
        SerialPortMonitor monitor;
        Reports reports(monitor);
        QCOMPARE(PortAccess::pollTimer(monitor).interval(), 500);
        QVERIFY(PortAccess::pollTimer(monitor).isActive());
        QTest::qWait(300);
        QVERIFY(reports.order.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(reports.added.size(), 2, 1000);
        QVERIFY(clock.elapsed() >= 475);
        QCOMPARE(reports.added, (QStringList{"COM1", "COM3"}));
        QVERIFY(reports.removed.isEmpty());
    }

    // A receiver that waits in a nested event loop, as the probe does, keeps
    // further polls from starting until its poll has stored the list.
    void pollIsNotReenteredWhileAReceiverWaits()
    {
        int polls = 0;
        QStringList offered = {"COM1"};
        SerialPortMonitor::setPortSource([&] {
            ++polls;
            return portList(offered);
        });
        SerialPortMonitor monitor;
        int probes = 0;
        int pollsDuringWait = -1;
        connect(&monitor, &SerialPortMonitor::portConnected, [&] {
            ++probes;
            const int before = polls;
            QEventLoop loop;
            QTimer::singleShot(1300, &loop, &QEventLoop::quit);
            loop.exec();
            pollsDuringWait = polls - before;
        });
        QTRY_COMPARE_WITH_TIMEOUT(probes, 1, 1500);
        QTRY_VERIFY_WITH_TIMEOUT(pollsDuringWait >= 0, 2000);
        QCOMPARE(pollsDuringWait, 0);
        // The next poll compares against the list the waiting poll stored.
        const int pollsAfter = polls;
        QTRY_VERIFY_WITH_TIMEOUT(polls > pollsAfter, 1000);
        QCOMPARE(probes, 1);
    }
};

QTEST_GUILESS_MAIN(MonitorTest)
#include "tst_monitor.moc"
