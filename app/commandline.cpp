#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#include "version.h"

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The parser names the program after the application object's arguments; before
// there is one, a core application object of a moment stands in for it.
QString help_text(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (QCoreApplication::instance())
        return parser.helpText();
    QByteArray name = arguments.value(0).toLocal8Bit();
    int argc = 1;
    char *argv[] = {name.data(), nullptr};
    const QCoreApplication core(argc, argv);
    return parser.helpText();
}

} // namespace

std::optional<int> read_command_line(const QStringList &arguments, bool applicationReady,
                                   StartOptions *options)
{
    // Command-line texts stay in English, like the parser's own.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Companion of the Ormeda measuring instrument: reads its memory blocks, shows\n"
            "their values, statistics and plots, and writes test reports."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version."));
    parser.addOption(help);
    parser.addOption(version);
#ifdef Q_OS_UNIX
    const QCommandLineOption demo(QStringLiteral("demo"),
            QStringLiteral("Starts with the demonstration instrument (Help menu) attached,\n"
                           "reads it and shows its first block with the limits on."));
    parser.addOption(demo);
#endif

    bool understood = parser.parse(arguments);
    QString complaint = parser.errorText();
    if (understood && !parser.positionalArguments().isEmpty()) {
        understood = false;
        complaint = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    }
    if (!understood) {
        if (!applicationReady)
            return std::nullopt;
        print(stderr, complaint + QStringLiteral("\n\n") + help_text(parser, arguments));
        return 1;
    }
    if (parser.isSet(help)) {
        print(stdout, help_text(parser, arguments));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Ormeda %1\n").arg(QLatin1String(ORMEDA_VERSION)));
        return 0;
    }
#ifdef Q_OS_UNIX
    options->demo = parser.isSet(demo);
#else
    Q_UNUSED(options)
#endif
    return std::nullopt;
}

QStringList command_line_arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
