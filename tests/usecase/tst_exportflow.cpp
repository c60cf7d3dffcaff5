// An export from the click to the news, with an operator who answers from lists: the proposed
// name and folder, the locked-file check, the empty-field question, the writing, the viewer
// or the failure.
#include <QtTest>

#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "answers.h"
#include "exportflow.h"
#include "filelock.h"
#include "pathlock.h"
#include "plainscreen.h"
#include "reportfilename.h"
#include "settingssandbox.h"
#include "urlcatcher.h"

namespace {

using EmptyFields = Questions::EmptyFields;

QByteArray file_state(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return file.readAll() + '|' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
           + QByteArray::number(qint64(st.st_mtim.tv_nsec));
}

} // namespace

class TestExportFlow : public QObject
{
    Q_OBJECT

    SettingsSandbox sandbox;
    QTemporaryDir dir;
    UrlCatcher viewer;
    std::unique_ptr<ReportDesk> desk;
    std::unique_ptr<Answers> answers;
    std::unique_ptr<ReportExport> writer;
    std::unique_ptr<ExportFlow> flow;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.start());
        QVERIFY(dir.isValid());
        viewer.catchFileUrls();
    }

    void init()
    {
        SettingsSandbox::clear();
        viewer.urls.clear();
        desk = std::make_unique<ReportDesk>();
        desk->show(QStringLiteral("7 HRC"), {5.0f, 42.26f, 123.4f});
        answers = std::make_unique<Answers>();
        writer = std::make_unique<ReportExport>();
        flow = std::make_unique<ExportFlow>(desk->reports, *answers, *writer);
    }

    void proposedPath_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Excel, A-5") << "Отчет" << "A-5" << QTime(9, 3, 7) << "xlsx" << "Отчет A-5 09_03_07.xlsx";
        QTest::newRow("PDF in English") << "Report" << "17" << QTime(14, 5, 9) << "pdf" << "Report 17 14_05_09.pdf";
        QTest::newRow("one space") << "Отчет" << " " << QTime(23, 59, 59) << "pdf" << "Отчет 23_59_59.pdf";
        QTest::newRow("empty keeps two spaces") << "Отчет" << "" << QTime(0, 0, 0) << "pdf" << "Отчет  00_00_00.pdf";
        QTest::newRow("slash") << "Отчет" << "R-2026/117" << QTime(4, 10, 32) << "pdf" << "Отчет R-2026-117 04_10_32.pdf";
        QTest::newRow("Windows' reserved") << "Отчет" << "a\\b:c*d?\"e<f>g|h\ti" << QTime(4, 10, 32) << "pdf"
                                            << "Отчет a-b-c-d--e-f-g-h-i 04_10_32.pdf";
        QTest::newRow("blank of two spaces") << "Отчет" << "  " << QTime(1, 2, 3) << "pdf" << "Отчет    01_02_03.pdf";
    }

    void proposedPath()
    {
        QFETCH(QString, word);
        QFETCH(QString, number);
        QFETCH(QTime, time);
        QFETCH(QString, extension);
        QFETCH(QString, expected);
        QCOMPARE(proposed_report_path(QStringLiteral("/root/of/"), word, number, time, extension),
                 QStringLiteral("/root/of/") + expected);
    }

    // Each kind of file keeps its own folder, in the settings file; a folder since
    // removed gives way to the root again.
    void lastFolder()
    {
#ifdef Q_OS_WIN
        QCOMPARE(report_root_folder(), QStringLiteral("C:\\"));
#else
        QCOMPARE(report_root_folder(), QDir::homePath() + QLatin1Char('/'));
#endif
        QTemporaryDir folders;
        QVERIFY(QDir(folders.path()).mkpath(QStringLiteral("pdfs")));
        QVERIFY(QDir(folders.path()).mkpath(QStringLiteral("gone")));
        QCOMPARE(last_folder(QStringLiteral("pdf")), report_root_folder());
        remember_folder(QStringLiteral("pdf"), folders.filePath(QStringLiteral("pdfs/a.pdf")));
        remember_folder(QStringLiteral("xlsx"), folders.filePath(QStringLiteral("gone/b.xlsx")));
        QVERIFY(QDir(folders.filePath(QStringLiteral("gone"))).removeRecursively());
        QCOMPARE(last_folder(QStringLiteral("pdf")),
                 QDir::toNativeSeparators(folders.filePath(QStringLiteral("pdfs")) + QLatin1Char('/')));
        QCOMPARE(last_folder(QStringLiteral("xlsx")), report_root_folder());
        QCOMPARE(last_folder(QStringLiteral("csv")), report_root_folder());
    }

    void fileLocked_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("locked");
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("ordinary file") << "file" << false;
        QTest::newRow("empty file") << "empty" << false;
        QTest::newRow("directory") << "directory" << true;
        QTest::newRow("cannot be opened read-write") << "locked" << true;
    }

    void fileLocked()
    {
        QFETCH(QString, kind);
        QFETCH(bool, locked);
        const QString file = path(QStringLiteral("lock-") + kind);
        if (kind == "file" || kind == "empty" || kind == "locked") {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            if (kind != "empty")
                out.write("%PDF-1.4 previous report\n");
        } else if (kind == "directory") {
            QVERIFY(QDir().mkpath(file));
        }
        if (kind == "locked" && !lock_path(file, QFileDevice::ReadOwner))
            QSKIP("cannot make a file that refuses read-write access here");
        const QByteArray before = file_state(file);

        QCOMPARE(is_file_locked(file), locked);
        QCOMPARE(file_state(file), before); // neither content nor time changed
        if (kind == "missing")
            QVERIFY(!QFileInfo::exists(file));
        if (kind == "locked")
            unlock_path(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // The name proposed in the folder used last for the kind, the folder kept; no question
    // after a cancel, none for a file held open, and Cancel writes nothing.
    void askTarget_data()
    {
        QTest::addColumn<QString>("file"); // empty: the dialog cancelled
        QTest::addColumn<bool>("held");    // another program holds the file open
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("includeEmpty");
        QTest::addColumn<int>("questions");
        QTest::newRow("yes") << "new.pdf" << false << int(EmptyFields::Include) << true << true << 1;
        QTest::newRow("no") << "new.pdf" << false << int(EmptyFields::Leave) << true << false << 1;
        QTest::newRow("cancel") << "new.pdf" << false << int(EmptyFields::Cancel) << false << false << 1;
        QTest::newRow("dialog cancelled") << "" << false << int(EmptyFields::Include) << false << false << 0;
        QTest::newRow("held open") << "held.pdf" << true << int(EmptyFields::Include) << false << false << 0;
    }

    void askTarget()
    {
        QFETCH(QString, file);
        QFETCH(bool, held);
        QFETCH(int, answer);
        QFETCH(bool, taken);
        QFETCH(bool, includeEmpty);
        QFETCH(int, questions);
        const QString chosen = file.isEmpty() ? QString() : path(file);
        if (held) {
            QFile out(chosen);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write("%PDF-1.4 held by a viewer\n") > 0);
            out.close();
            if (!lock_path(chosen, QFileDevice::ReadOwner))
                QSKIP("cannot make a file that refuses read-write access here");
        }
        const QByteArray before = file_state(chosen);
        desk->screen.set(QStringLiteral("report_number"), QStringLiteral("A-5"));
        answers->files << chosen;
        answers->emptyFields << EmptyFields(answer);

        const ExportTarget target =
            flow->ask_export_target({QStringLiteral("Экспорт в PDF"), QStringLiteral("Отчет"), QStringLiteral("pdf")});
        if (held)
            unlock_path(chosen, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QCOMPARE(target.fileName, taken ? chosen : QString());
        QCOMPARE(target.includeEmpty, includeEmpty);
        QCOMPARE(answers->questions, questions);
        QCOMPARE(answers->failures, held ? 1 : 0);
        QCOMPARE(file_state(chosen), before); // asking writes nothing
        QCOMPARE(answers->dialogs.size(), 1);
        QCOMPARE(answers->dialogs.at(0).caption, QStringLiteral("Экспорт в PDF"));
        QCOMPARE(answers->dialogs.at(0).filter, QStringLiteral("(*.pdf)"));
        QVERIFY2(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(report_root_folder())
                                    + QStringLiteral("Отчет A-5 \\d\\d_\\d\\d_\\d\\d\\.pdf$"))
                     .match(answers->dialogs.at(0).proposal)
                     .hasMatch(),
                 qPrintable(answers->dialogs.at(0).proposal));
        // The next file of the kind is proposed where this one was chosen.
        QCOMPARE(last_folder(QStringLiteral("pdf")),
                 file.isEmpty() ? report_root_folder() : QDir::toNativeSeparators(dir.path() + QLatin1Char('/')));
    }

    // Each button's file: its dialog, its name, and the file written aside and opened, or
    // written at once and named; none of it when the target cannot be written.
    void exports_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("proposal"); // its start, after the folder
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QByteArray>("start"); // what the file starts with

        const QByteArray pdf("%PDF");
        const QByteArray zip("PK");
        const QByteArray csv("\xEF\xBB\xBF");
        QTest::newRow("block PDF") << "block pdf" << true << "Экспорт в PDF" << "Отчет 17 " << "pdf" << 1 << pdf;
        QTest::newRow("block workbook") << "block xlsx" << true << "Экспорт в Excel" << "Отчет 17 " << "xlsx" << 1 << zip;
        QTest::newRow("summary PDF") << "summary pdf" << true << "Экспорт в PDF" << "Сводка 17 " << "pdf" << 1 << pdf;
        QTest::newRow("summary workbook") << "summary xlsx" << true << "Экспорт в Excel" << "Сводка 17 " << "xlsx" << 1
                                          << zip;
        QTest::newRow("block CSV") << "block csv" << true << "Сохранить блок в CSV" << "Отчет 17 " << "csv" << 0 << csv;
        QTest::newRow("summary CSV") << "summary csv" << true << "Сохранить сводку в CSV" << "Сводка 17 " << "csv" << 0
                                     << csv;
        QTest::newRow("block PDF, no folder") << "block pdf" << false << "Экспорт в PDF" << "Отчет 17 " << "pdf" << 1
                                              << QByteArray();
        QTest::newRow("summary workbook, no folder") << "summary xlsx" << false << "Экспорт в Excel" << "Сводка 17 "
                                                     << "xlsx" << 1 << QByteArray();
        QTest::newRow("block CSV, no folder") << "block csv" << false << "Сохранить блок в CSV" << "Отчет 17 " << "csv"
                                              << 0 << QByteArray();
    }

    void exports()
    {
        QFETCH(QString, what);
        QFETCH(bool, writable);
        QFETCH(QString, caption);
        QFETCH(QString, proposal);
        QFETCH(QString, extension);
        QFETCH(int, questions);
        QFETCH(QByteArray, start);
        desk->screen.set(QStringLiteral("report_number"), QStringLiteral("17"));
        const QString file = path(QString(writable ? "" : "no-such-folder/") + QTest::currentDataTag() + '.' + extension);
        answers->files << file;
        answers->emptyFields << EmptyFields::Leave;

        const ReportFormat format = what.endsWith("pdf") ? ReportFormat::Pdf : ReportFormat::Workbook;
        if (what == "block csv")
            flow->save_block_csv();
        else if (what == "summary csv")
            flow->save_summary_csv();
        else if (what.startsWith("block"))
            flow->export_block_report(format);
        else
            flow->export_summary_report(format);
        const bool report = extension != "csv";
        QCOMPARE(writer->isRunning(), report);
        writer->finish();

        QCOMPARE(answers->dialogs.size(), 1);
        QCOMPARE(answers->dialogs.at(0).caption, caption);
        QCOMPARE(answers->dialogs.at(0).filter, QStringLiteral("(*.%1)").arg(extension));
        QVERIFY2(answers->dialogs.at(0).proposal.startsWith(report_root_folder() + proposal),
                 qPrintable(answers->dialogs.at(0).proposal));
        QCOMPARE(answers->questions, questions);
        QCOMPARE(answers->failures, writable ? 0 : 1);
        QCOMPARE(viewer.urls, writable && report ? QList<QUrl>{QUrl::fromLocalFile(file)} : QList<QUrl>{});
        QCOMPARE(answers->saved, writable && !report ? QStringList(file) : QStringList());
        QFile written(file);
        QCOMPARE(written.open(QIODevice::ReadOnly), writable);
        QVERIFY(written.read(start.size()) == start);
    }

    // A cancelled dialog or question: nothing written, nothing said.
    void cancelled_data()
    {
        QTest::addColumn<bool>("atQuestion");
        QTest::newRow("dialog") << false;
        QTest::newRow("question") << true;
    }

    void cancelled()
    {
        QFETCH(bool, atQuestion);
        if (atQuestion)
            answers->files << path(QStringLiteral("cancelled.pdf"));
        flow->export_block_report(ReportFormat::Pdf);
        flow->save_block_csv();
        QVERIFY(!writer->isRunning());
        QCOMPARE(answers->questions, atQuestion ? 1 : 0);
        QCOMPARE(answers->failures, 0);
        QVERIFY(answers->saved.isEmpty());
        QVERIFY(viewer.urls.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("cancelled*")}), QStringList());
    }

    // No values shown: the block's CSV asks nothing.
    void noBlockNoCsv()
    {
        desk->model.setBlocks({Block(QStringLiteral("empty"), {})});
        desk->model.showBlock(0);
        flow->save_block_csv();
        QVERIFY(answers->dialogs.isEmpty());
    }

    // Two flows write on one writer, one report at a time: each tells of its own report only,
    // and a report begun while another is written waits for it.
    void flowsShareTheWriter()
    {
        Answers otherAnswers;
        ExportFlow other(desk->reports, otherAnswers, *writer);
        const QString first = path(QStringLiteral("first.pdf"));
        const QString second = path(QStringLiteral("second/second.pdf")); // no such folder
        answers->files << first;
        answers->emptyFields << EmptyFields::Leave;
        otherAnswers.files << second;
        otherAnswers.emptyFields << EmptyFields::Leave;
        flow->export_block_report(ReportFormat::Pdf);
        other.export_summary_report(ReportFormat::Pdf);
        writer->finish();
        QCOMPARE(viewer.urls, QList<QUrl>{QUrl::fromLocalFile(first)});
        QCOMPARE(answers->failures, 0);
        QCOMPARE(otherAnswers.failures, 1);
    }
};

QTEST_MAIN(TestExportFlow)
#include "tst_exportflow.moc"
