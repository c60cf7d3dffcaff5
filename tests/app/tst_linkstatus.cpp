#include <QtTest>

#include <QLabel>
#include <QLoggingCategory>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QStatusBar>

#include <utility>

#include "bytes.h"
#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "settingssandbox.h"

Q_DECLARE_METATYPE(CommandFault)

namespace {

QVector<float> scattered(int n)
{
    QVector<float> values;
    for (int i = 0; i < n; ++i)
        values.append(fromBits(0x3f000000u + quint32(i) * 2654435761u % 0x01000000u));
    return values;
}

} // namespace

// The status bar during reads and link changes, against the emulated instrument.
class LinkStatusTest : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;

    static QLabel *label(MainWindow &w) { return w.findChild<QLabel *>("link_status_label"); }

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        // Thousands of value lines per read would drown the output.
        QLoggingCategory::setFilterRules(QStringLiteral("ormeda.device.debug=false"));
    }
    void cleanup() { listPorts({}); }

    void interruptedRead_data()
    {
        QTest::addColumn<CommandFault>("dataFault");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QStringList>("listed");

        CommandFault none;
        QTest::newRow("stop mid-answer") << none << true << QStringList{"A"};
        CommandFault quiet;
        quiet.skip = 1;
        quiet.count = 1;
        quiet.silent = true;
        QTest::newRow("stop on a quiet line") << quiet << true << QStringList{"A"};
        CommandFault unplug;
        unplug.skip = 1;
        unplug.unplugAfter = 4000;
        QTest::newRow("link lost mid-answer") << unplug << false << QStringList{"A", "B", ""};
    }
    void interruptedRead()
    {
        QFETCH(CommandFault, dataFault);
        QFETCH(bool, stop);
        QFETCH(QStringList, listed);

        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        Port &port = MainWindowAccess::port(w);
        auto *cancel = w.findChild<QPushButton *>("button_cancel_read");
        auto *bar = w.findChild<QProgressBar *>("read_progress");
        QVERIFY(cancel && bar && cancel->isHidden() && bar->isHidden());

        // About two seconds of block data on the paced wire.
        const QVector<EmulatedBlock> blocks = {EmulatedBlock::named("A", {1.5f}),
                                               EmulatedBlock::named("B", scattered(3000)),
                                               EmulatedBlock::named("C", {2.0f, 3.0f})};
        InstrumentEmulator emulator;
        emulator.setBlocks(blocks);
        emulator.setPaced(true);
        QVERIFY(emulator.openPseudoTerminal());
        QVERIFY(connectInstrument(w, emulator));
        emulator.setFault(9, dataFault);
        const QString portName = emulator.devicePath().mid(5);

        QSignalSpy progress(&port, &Port::responseProgress);
        QElapsedTimer clock;
        qint64 stoppedAt = -1;
        int barValue = -1;
        QStringList seen;
        QTimer::singleShot(400, &w, [&] {
            seen << w.statusBar()->currentMessage() << QString::number(!cancel->isHidden() && !bar->isHidden());
            barValue = bar->value();
            ui->actionEN->trigger();
            seen << w.statusBar()->currentMessage() << label(w)->text() << cancel->text();
            ui->actionRU->trigger();
            if (stop) {
                stoppedAt = clock.elapsed();
                cancel->click();
            }
        });
        clock.start();
        ui->button_read_data->click();
        const qint64 endedAt = clock.elapsed();

        QCOMPARE(seen, (QStringList{"Чтение блока 2 из 3…", "1", "Reading block 2 of 3…",
                                    "Instrument connected (" + portName + ')', "Stop"}));
        if (stop)
            QVERIFY2(endedAt - stoppedAt < 100, qPrintable(QString::number(endedAt - stoppedAt)));
        else
            QVERIFY2(endedAt < 2000, qPrintable(QString::number(endedAt))); // not B's 30 s time-out

        // The bar follows B's bytes, throttled, never a complete answer.
        QCOMPARE(barValue > 1000, !dataFault.silent);
        QVERIFY2(dataFault.silent || progress.count() >= 4, qPrintable(QString::number(progress.count())));
        int last = 0;
        for (const QList<QVariant> &report : std::as_const(progress)) {
            QCOMPARE(report.at(1).toInt(), 12000);
            QVERIFY(report.at(0).toInt() > last && report.at(0).toInt() < 12000);
            last = report.at(0).toInt();
        }

        QStringList names;
        for (int row = 0; row < ui->block_names_list->count(); ++row)
            names << ui->block_names_list->item(row)->text();
        QCOMPARE(names, listed);
        QCOMPARE(bitsOf(MainWindowAccess::blocks(w).at(0).values), bitsOf(QVector<float>{1.5f}));
        for (int i = 1; i < MainWindowAccess::blocks(w).size(); ++i)
            QVERIFY(MainWindowAccess::blocks(w).at(i).values.isEmpty());
        QVERIFY(cancel->isHidden() && bar->isHidden());
        QCOMPARE(w.statusBar()->currentMessage(), QString());
        // After a loss the button waits for the link: a click would empty the list.
        QCOMPARE(ui->button_read_data->isEnabled(), stop);
        QCOMPARE(label(w)->text(), stop ? "Прибор подключён (" + portName + ')' : QString("Прибор не подключён"));

        emulator.clearFaults();
        if (!stop) {
            QVERIFY(emulator.openPseudoTerminal());
            QVERIFY(connectInstrument(w, emulator));
        }
        // What is left of B's answer still arrives; none of it may leak into this read.
        QTimer::singleShot(10000, cancel, &QPushButton::click); // stale bytes taken as a huge amount
        clock.restart();
        ui->button_read_data->click();
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        const auto &read = MainWindowAccess::blocks(w);
        QCOMPARE(read.size(), blocks.size());
        for (int i = 0; i < blocks.size(); ++i) {
            QCOMPARE(read.at(i).name, QString(QChar('A' + i)));
            QCOMPARE(bitsOf(read.at(i).values), bitsOf(blocks.at(i).values));
        }
    }

    void statusTexts_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("texts"); // not connected, no access, looking, connected

        QTest::newRow("Russian") << false
                                 << QStringList{"Прибор не подключён",
                                                "Нет доступа к порту %1: добавьте пользователя в группу dialout",
                                                "Поиск прибора на %1…", "Прибор подключён (%1)"};
        QTest::newRow("English") << true
                                 << QStringList{"No instrument connected",
                                                "No access to port %1: add your user to the dialout group",
                                                "Looking for the instrument on %1…", "Instrument connected (%1)"};
    }
    void statusTexts()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, texts);

        MainWindow w;
        if (english)
            MainWindowAccess::ui(w)->actionEN->trigger();
        QCOMPARE(label(w)->text(), texts.at(0));

        InstrumentEmulator emulator;
        QVERIFY(emulator.openPseudoTerminal());
        const QString name = emulator.devicePath().mid(5);
        {
            // A port held by another program fails to open with PermissionError.
            QSerialPort holder(emulator.devicePath());
            QVERIFY(holder.open(QIODevice::ReadWrite));
            listEmulatorPort(emulator);
            QTRY_COMPARE_WITH_TIMEOUT(label(w)->text(), texts.at(1).arg(name), 2000);
        }

        QString looking;
        connect(&MainWindowAccess::port(w), &Port::probeStarted, &w, [&] { looking = label(w)->text(); });
        QVERIFY(connectInstrument(w, emulator));
        QCOMPARE(looking, texts.at(2).arg(name));
        QCOMPARE(label(w)->text(), texts.at(3).arg(name));

        emulator.unplug();
        QTRY_COMPARE_WITH_TIMEOUT(label(w)->text(), texts.at(0), 2000);
    }
};

QTEST_MAIN(LinkStatusTest)
#include "tst_linkstatus.moc"
