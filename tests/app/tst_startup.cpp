#include <QtTest>

#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>

#include "pdftools.h"
#include "ui_mainwindow.h"
#include "version.h"
#include "xlsxreader.h"

namespace {

struct Run
{
    int exitCode = -1;
    QStringList lines;
    QString out, err;
    QString appData;

    QStringList linesStartingWith(const QString &tag) const
    {
        QStringList found;
        for (const QString &line : lines)
            if (line.startsWith(tag + '\t'))
                found << line;
        return found;
    }
};

// The screen a run gets: the offscreen one at a scale, or an X server of that many dots per inch.
struct Screen
{
    QString scale = "1";
    int dpi = 0; // 0: offscreen
};

// Runs a build of the program with its own empty per-user folders.
Run runProgram(const char *variable, const QTemporaryDir &home, const QStringList &arguments = {},
               const Screen &screen = {}, const QString &reports = {})
{
    Run run;
    const QString program = qEnvironmentVariable(variable);
    if (program.isEmpty())
        return run;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_RUNTIME_DIR", home.path()); // else the platform warns on standard error
    env.insert("QT_QPA_PLATFORM", screen.dpi ? "xcb" : "offscreen");
    env.insert("QT_SCALE_FACTOR", screen.scale);
    if (!reports.isEmpty())
        env.insert("ORMEDA_DRIVER_REPORTS", reports);
    process.setProcessEnvironment(env);
    // Room for the whole window at twice the density: it opens at its preferred size on both.
    if (screen.dpi)
        process.start("xvfb-run", QStringList{"-a", "-s", QString("-screen 0 3840x2400x24 -dpi %1").arg(screen.dpi),
                                              program} + arguments);
    else
        process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    run.lines = run.out.split('\n', Qt::SkipEmptyParts);
    run.appData = home.path() + "/data/" + QFileInfo(program).fileName();
    return run;
}

} // namespace

Q_DECLARE_METATYPE(Screen)

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void missingResourceShowsTheBoxAndExits18()
    {
        QTemporaryDir home;
        const Run run = runProgram("ORMEDA_WITHOUT_RESOURCE", home);
        QCOMPARE(run.exitCode, 18);
        QCOMPARE(run.linesStartingWith("box"),
                 QStringList{"box\tError\tStartup error 0x0012\tcritical\t1\tno parent\tno window"});
        QVERIFY(run.linesStartingWith("window").isEmpty());
        // The settings are still written on this path.
        QVERIFY(QFile::exists(run.appData + "/config.json"));
    }

    void windowShowsWithTitleAndCompleteForm()
    {
        QTemporaryDir home;
        const Run run = runProgram("ORMEDA_DRIVEN", home);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.linesStartingWith("box").isEmpty());

        const QStringList window = run.linesStartingWith("window");
        QCOMPARE(window.size(), 1);
        const QStringList fields = window.first().split('\t');
        QCOMPARE(fields[1], QString("Ormeda"));
        // Opened at the layout's size, at least its minimum, not at the design size.
        const QStringList size = fields[2].split('x');
        const QStringList minimum = fields[3].split('x');
        QVERIFY2(size.value(0).toInt() >= minimum.value(0).toInt() && size.value(1).toInt() >= minimum.value(1).toInt(),
                 qPrintable(fields[2] + " against " + fields[3]));
        QVERIFY(fields[2] != "1064x1196");

        QSet<QString> shown;
        for (const QString &line : run.linesStartingWith("object"))
            shown << line.section('\t', 1);
        QMainWindow reference;
        Ui::MainWindow form;
        form.setupUi(&reference);
        int checked = 0;
        for (QObject *object : reference.findChildren<QObject *>()) {
            if (object->objectName().isEmpty() || object->objectName().startsWith("qt_"))
                continue;
            const QString expected = object->objectName() + '\t' + object->metaObject()->className();
            QVERIFY2(shown.contains(expected), qPrintable(expected));
            ++checked;
        }
        QVERIFY(checked > 80);

        // The deferred sizing bounded the logo label by a square of half the report number's width.
        const QStringList logo = run.linesStartingWith("logo");
        QCOMPARE(logo.size(), 1);
        const QStringList parts = logo.first().split('\t');
        const int half = parts[3].toInt() / 2;
        QVERIFY(half > 0);
        QCOMPARE(parts[2], QString("%1x%1").arg(half));
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QString version = QStringLiteral("Ormeda " ORMEDA_VERSION "\n");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "";
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << "";
        // The toolkit's own options are left to it, not taken for unknown ones.
        QTest::newRow("toolkit option first") << QStringList{"-platform", "offscreen", "--version"} << 0
                                              << version << "";
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: " << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << ""
                                        << "Unknown option 'bogus'.\n\nUsage: ";
        QTest::newRow("argument") << QStringList{"report.pdf"} << 1 << ""
                                  << "Unexpected argument 'report.pdf'.\n\nUsage: ";
    }
    // An expected text that ends in "Usage: " is followed by the whole usage text.
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir home;
        const Run run = runProgram("ORMEDA_DRIVEN", home, arguments);
        QCOMPARE(run.exitCode, exitCode);
        for (const auto &[expected, actual] : {std::pair(out, run.out), std::pair(err, run.err)}) {
            if (!expected.endsWith("Usage: ")) {
                QCOMPARE(actual, expected);
                continue;
            }
            QVERIFY2(actual.startsWith(expected), qPrintable(actual));
            for (const char *option : {"-h, --help", "-v, --version"})
                QVERIFY2(actual.contains(option), option);
#ifdef Q_OS_UNIX
            QVERIFY(actual.contains("--demo"));
#endif
        }
        // Answered before any window was built.
        QVERIFY(run.linesStartingWith("window").isEmpty());
    }

#ifdef Q_OS_UNIX
    // The operator's first three clicks on the demonstration instrument, done by the program itself.
    void demoShowsTheFirstBlockRead()
    {
        QTemporaryDir home;
        const Run run = runProgram("ORMEDA_DRIVEN", home, {"--demo"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.linesStartingWith("blocks"), QStringList{"blocks\t1 Шов\t2 HRC\t3 HB\t4 HV\t5 HRC"});
        QCOMPARE(run.linesStartingWith("shown"), QStringList{"shown\t1 Шов\t21 values\tlimits on"});
        // The weld's peak, 10.1, 11.4 and 10.7, lies above the limits of a fresh settings
        // file, 0 and 10. Its 21 values sum to 106.0 (mean 5.0476) and their squares to
        // 697.02, so σ = √((697.02 − 106² / 21) / 20) = 2.8458; Cp = 10 / (6σ) = 0.586,
        // Cpk = min(10 − 5.0476, 5.0476 − 0) / (3σ) = 0.580.
        QCOMPARE(run.linesStartingWith("tolerance"), QStringList{"tolerance\t3 из 21 (14.3 %)\t0.59\t0.58"});
    }

    // On a screen scaled to 150 % or 200 % the window is laid out as at 100 %, only
    // with more pixels, and the reports' pictures keep their pixel sizes.
    void highDpi_data()
    {
        QTest::addColumn<Screen>("base");
        QTest::addColumn<Screen>("scaled");
        QTest::addColumn<double>("factor");
        // A screen with room for the whole window at every scale: an X server's where there is
        // one, the offscreen one (800 x 600) only where there is not.
        const int x = QStandardPaths::findExecutable("xvfb-run").isEmpty() ? 0 : 96;
        QTest::newRow("scale 1.5") << Screen{"1", x} << Screen{"1.5", x} << 1.5;
        QTest::newRow("scale 2") << Screen{"1", x} << Screen{"2", x} << 2.0;
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        // Qt 5 scales for the screen's own density only when asked to.
        if (!QStandardPaths::findExecutable("xvfb-run").isEmpty())
            QTest::newRow("X screen of 192 dpi") << Screen{"1", 96} << Screen{"1", 192} << 2.0;
#endif
    }

    void highDpi()
    {
        QFETCH(Screen, base);
        QFETCH(Screen, scaled);
        QFETCH(double, factor);
        QTemporaryDir home;
        QTemporaryDir baseReports;
        const Run before = runProgram("ORMEDA_DRIVEN", home, {"--demo"}, base, baseReports.path());
        QTemporaryDir scaledReports;
        const Run after = runProgram("ORMEDA_DRIVEN", home, {"--demo"}, scaled, scaledReports.path());
        QCOMPARE(before.exitCode, 0);
        QCOMPARE(after.exitCode, 0);

        const auto device = [](const Run &run) {
            const QStringList fields = run.linesStartingWith("device").value(0).split('\t');
            const QStringList size = fields.value(1).split('x');
            return QSizeF(size.value(0).toDouble(), size.value(1).toDouble());
        };
        const QSizeF small = device(before);
        const QSizeF large = device(after);
        QVERIFY(!small.isEmpty());
        QVERIFY2(qAbs(large.width() - factor * small.width()) <= 3 && qAbs(large.height() - factor * small.height()) <= 3,
                 qPrintable(after.linesStartingWith("device").value(0) + " against " + before.linesStartingWith("device").value(0)));
        // The same layout, in the window's own coordinates.
        QCOMPARE(after.linesStartingWith("window").value(0).section('\t', 2, 2),
                 before.linesStartingWith("window").value(0).section('\t', 2, 2));

        // The pictures the reports are given, and those they hold, as on the plain screen.
        const QStringList pictures{"pictures\t600x400\t600x400", "pictures\t522x313\t522x313"};
        QCOMPARE(before.linesStartingWith("pictures"), pictures);
        QCOMPARE(after.linesStartingWith("pictures"), pictures);
        const QStringList pdfPictures = pdf_pictures(scaledReports.filePath("report.pdf"));
        QCOMPARE(pdfPictures, pdf_pictures(baseReports.filePath("report.pdf")));
        QCOMPARE(pdfPictures.filter("600x400").size(), 2);
        const XlsxReadBack workbook = read_xlsx(scaledReports.filePath("report.xlsx"));
        QVERIFY2(workbook.ok, qPrintable(workbook.error));
        QCOMPARE(workbook.pictures().size(), 2);
        QCOMPARE(workbook.pictures(), read_xlsx(baseReports.filePath("report.xlsx")).pictures());
    }
#endif
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
