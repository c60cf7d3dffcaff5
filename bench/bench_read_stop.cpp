// A read of one block of 65,535 values from the paced emulator, through the
// window: how often the status bar's progress moves, how soon Stop ends the
// read, and a read right after it, which first drains the rest of the stopped
// answer and must then return every name and value bit for bit.

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProgressBar>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <cstring>

#include "instrumentemulator.h"
#include "instrumentfixture.h"
#include "mainwindowaccess.h"
#include "settingssandbox.h"

namespace {

bool sameBits(const QVector<float> &a, const QVector<float> &b)
{
    return a.size() == b.size() && std::memcmp(a.constData(), b.constData(), size_t(a.size()) * sizeof(float)) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    // 65,535 lines per value list would measure the terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("ormeda.device.debug=false"));
    SettingsSandbox sandbox;
    if (!sandbox.startWithoutPorts())
        return 1;

    QVector<float> values(65535);
    for (int i = 0; i < values.size(); ++i)
        values[i] = float(i) / 7.0f - 3000.0f;
    const QVector<EmulatedBlock> blocks = {EmulatedBlock::named(QStringLiteral("Long"), values)};

    InstrumentEmulator emulator;
    emulator.setBlocks(blocks);
    emulator.setPaced(true);
    MainWindow window;
    if (!emulator.openPseudoTerminal() || !connectInstrument(window, emulator)) {
        out << "no link to the emulator" << Qt::endl;
        return 1;
    }
    WindowForm *ui = MainWindowAccess::ui(window);
    auto *bar = window.findChild<QProgressBar *>(QStringLiteral("read_progress"));
    auto *stop = window.findChild<QPushButton *>(QStringLiteral("button_cancel_read"));
    int advances = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] { ++advances; });

    const int stopAfterMs = 10000;
    QElapsedTimer clock;
    qint64 stoppedAt = 0;
    QTimer::singleShot(stopAfterMs, [&] {
        stoppedAt = clock.elapsed();
        stop->click();
    });
    clock.start();
    ui->button_read_data->click();
    const qint64 stopToEnd = clock.elapsed() - stoppedAt;
    out << QStringLiteral("stopped read: the bar advanced %1 times in %2 ms; Stop ended the read in %3 ms; "
                          "%4 blocks listed, read button %5")
                   .arg(advances).arg(stoppedAt).arg(stopToEnd).arg(ui->block_names_list->count())
                   .arg(ui->button_read_data->isEnabled() ? "enabled" : "disabled")
        << Qt::endl;

    advances = 0;
    qint64 firstRequestAt = -1;
    QObject::connect(&emulator, &InstrumentEmulator::requestReceived, [&] {
        if (firstRequestAt < 0)
            firstRequestAt = clock.elapsed();
    });
    clock.restart();
    ui->button_read_data->click();
    const qint64 readMs = clock.elapsed();
    const auto &read = MainWindowAccess::blocks(window);
    const bool intact = read.size() == 1 && read.at(0).name == QStringLiteral("Long")
                        && sameBits(read.at(0).values, values);
    out << QStringLiteral("read right after: drained the stopped answer for %1 ms, then read for %2 ms; "
                          "the bar advanced %3 times; %4")
                   .arg(firstRequestAt).arg(readMs - firstRequestAt).arg(advances)
                   .arg(intact ? QStringLiteral("every name and value bit for bit") : QStringLiteral("DATA DIFFERS"))
        << Qt::endl;
    return intact ? 0 : 1;
}
