#include <QtTest>

#include "mainwindowaccess.h"
#include "portaccess.h"
#include "settingssandbox.h"

class TestDemoInstrument : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;

private slots:
    void initTestCase() { QVERIFY(sandbox.startWithoutPorts()); }

    // Plugged, pulled, plugged again at once (before the monitor need have polled), pulled:
    // the link finds and loses it each time, and the monitor sees it come and go.
    void entryPlugsAndPullsLikeACable()
    {
        {
            MainWindow w;
            WindowForm *ui = MainWindowAccess::ui(w);
            QAction *entry = ui->about->actions().constLast();
            QCOMPARE(entry->objectName(), QString("action_demo_instrument"));
            QVERIFY(entry->isCheckable() && !entry->isChecked());
            ui->actionEN->trigger();
            QCOMPARE(entry->text(), QString("Demo instrument"));
            ui->actionRU->trigger();
            QCOMPARE(entry->text(), QString("Демонстрационный прибор"));

            SerialPortMonitor &monitor = PortAccess::monitor(MainWindowAccess::port(w));
            QSignalSpy added(&monitor, &SerialPortMonitor::portConnected);
            QSignalSpy removed(&monitor, &SerialPortMonitor::portDisconnected);
            for (int round = 1; round <= 2; ++round) {
                entry->trigger();
                QTRY_VERIFY2_WITH_TIMEOUT(ui->button_read_data->isEnabled(), qPrintable(QString::number(round)), 5000);
                entry->trigger();
                QTRY_VERIFY2_WITH_TIMEOUT(!ui->button_read_data->isEnabled(), qPrintable(QString::number(round)), 2000);
            }
            QTRY_COMPARE_WITH_TIMEOUT(removed.count(), 2, 2000);
            QCOMPARE(added.count(), 2);

            entry->trigger(); // still plugged in when the window closes
            QTRY_VERIFY_WITH_TIMEOUT(ui->button_read_data->isEnabled(), 5000);
        }
        // Quitting pulled it out: a monitor of a later window does not list it.
        SerialPortMonitor later;
        later.checkForPortChanges();
        QVERIFY(PortAccess::knownPorts(later).isEmpty());
    }
};

QTEST_MAIN(TestDemoInstrument)
#include "tst_demoinstrument.moc"
