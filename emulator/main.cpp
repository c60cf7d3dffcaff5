// Plays the instrument on a pseudo-terminal it creates (printing the path the
// program under test should open) or on a real serial device. Runs until
// killed (Ctrl+C) or until an unplug fault closes the line.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QTextStream>
#include <QTimer>

#include "faultsetting.h"
#include "instrumentemulator.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ormeda-emulator"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Answers the instrument's serial commands: identify (5), blocks amount (6), block name (7),\n"
            "block size (8) and block data (9). Without --port it creates a pseudo-terminal and prints\n"
            "the path to open."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Serve on this serial device."),
                                        QStringLiteral("device"));
    const QCommandLineOption blocksOption(QStringLiteral("blocks"),
            QStringLiteral("Blocks from a JSON file: {\"padding\":\"ff\"|\"00\", \"blocks\":[{\"name\":..., "
                           "\"values\":[...]}]}. Built-in samples otherwise."),
            QStringLiteral("file"));
    const QCommandLineOption zerosOption(QStringLiteral("zero-padding"),
                                         QStringLiteral("Pad the sample names with 00 00 instead of FF FF."));
    const QCommandLineOption paceOption(QStringLiteral("pace"),
                                        QStringLiteral("Send at the wire's speed, 57600 baud 8N1 (5760 bytes/s)."));
    const QCommandLineOption faultOption(QStringLiteral("fault"),
            QStringLiteral("COMMAND:KIND[=VALUE], repeatable. Kinds: silent, error, answer=HEX, cut=N, extra=HEX, "
                           "delay=MS, pieces=SIZE/GAPMS, late=HEX/MS, unplug=N, skip=N, count=N."),
            QStringLiteral("setting"));
    const QCommandLineOption unaskedOption(QStringLiteral("unasked"),
            QStringLiteral("Send these bytes unasked, MS milliseconds after start (repeatable)."),
            QStringLiteral("HEX/MS"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"), QStringLiteral("Print every request."));
    parser.addOptions({portOption, blocksOption, zerosOption, paceOption, faultOption, unaskedOption, verboseOption});
    parser.process(app);

    InstrumentEmulator emulator;
    if (parser.isSet(blocksOption)) {
        QVector<EmulatedBlock> blocks;
        QString error;
        if (!loadBlocksFromJson(parser.value(blocksOption), &blocks, &error)) {
            err << "ormeda-emulator: " << parser.value(blocksOption) << ": " << error << Qt::endl;
            return 2;
        }
        emulator.setBlocks(blocks);
    } else {
        emulator.setBlocks(sampleBlocks(parser.isSet(zerosOption) ? NamePadding::Zeros : NamePadding::Erased));
    }

    QHash<int, CommandFault> faults;
    for (const QString &setting : parser.values(faultOption)) {
        int command = 0;
        QString error;
        CommandFault fault = faults.value(int(setting.section(QLatin1Char(':'), 0, 0).toUInt()));
        if (!parseFaultSetting(setting, &command, &fault, &error)) {
            err << "ormeda-emulator: " << error << Qt::endl;
            return 2;
        }
        faults.insert(command, fault);
    }
    for (auto it = faults.cbegin(); it != faults.cend(); ++it)
        emulator.setFault(it.key(), it.value());
    emulator.setPaced(parser.isSet(paceOption));

    const bool opened = parser.isSet(portOption) ? emulator.openSerialPort(parser.value(portOption))
                                                 : emulator.openPseudoTerminal();
    if (!opened) {
        err << "ormeda-emulator: " << emulator.errorString() << Qt::endl;
        return 1;
    }

    for (const QString &unasked : parser.values(unaskedOption)) {
        const QByteArray bytes = QByteArray::fromHex(unasked.section(QLatin1Char('/'), 0, 0).toLatin1());
        emulator.sendUnasked(bytes, unasked.section(QLatin1Char('/'), 1, 1).toInt());
    }
    if (parser.isSet(verboseOption)) {
        QObject::connect(&emulator, &InstrumentEmulator::requestReceived, [&err](const QByteArray &request) {
            err << "request " << request.toHex(' ') << Qt::endl;
        });
    }
    QObject::connect(&emulator, &InstrumentEmulator::unplugged, [&] {
        out << "unplugged" << Qt::endl;
        QCoreApplication::quit();
    });

    out << emulator.devicePath() << Qt::endl;
    return app.exec();
}
