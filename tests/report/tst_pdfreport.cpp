// The PDF report of the shown block, as the export writes it from the model and the screen.
#include <QtTest>

#include <QDir>
#include <QTemporaryDir>
#include <QTranslator>

#include "pathlock.h"
#include "pdfreport.h"
#include "pdftools.h"
#include "plainscreen.h"
#include "reportexport.h"
#include "toleranceassessment.h"

namespace {

// Index of the first line whose words are exactly these, or -1.
int find_row(const QStringList &lines, const QStringList &expected, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (words(lines.at(i)) == expected)
            return i;
    return -1;
}

int find_text(const QStringList &lines, const QString &text, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines.at(i).contains(text))
            return i;
    return -1;
}

struct PdfWord
{
    QString text;
    QRectF box;
    int page = 0;
};

QList<PdfWord> pdf_words(const QString &path)
{
    QList<PdfWord> result;
    const QString html = run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        result.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                       page});
    }
    return result;
}

// The box around the words of one printed line that starts with `first`.
QRectF line_box(const QList<PdfWord> &all, const QString &first)
{
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i).text != first)
            continue;
        QRectF box = all.at(i).box;
        for (int j = i + 1; j < all.size() && qAbs(all.at(j).box.center().y() - box.center().y()) < 2
                            && all.at(j).page == all.at(i).page;
             ++j)
            box |= all.at(j).box;
        return box;
    }
    return {};
}

} // namespace

class TestPdfReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void init()
    {
        desk = std::make_unique<ReportDesk>();
        show_block(QStringLiteral("7 HRC"), {5.0f, 42.26f, 123.4f});
    }

    void fieldsTable_data()
    {
        QTest::addColumn<bool>("includeEmpty");
        QTest::addColumn<QStringList>("filled"); // object names of the line edits given text
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("firstWords");

        QTest::newRow("no, only the company") << false << QStringList{"company_name"} << 4
                                              << QStringList{"Данные", "Компания", "Данные", "Дата"};
        QTest::newRow("no, one field of each section")
            << false << QStringList{"company_name", "device_type"} << 6
            << QStringList{"Данные", "Компания", "Данные", "Дата", "Данные", "Тип"};
        QTest::newRow("no, device section only") << false << QStringList{"device_document_number"} << 4
                                                 << QStringList{"Данные", "Дата", "Данные", "Свидетельство"};
        QTest::newRow("yes, all empty") << true << QStringList{} << 18 << QStringList{};
    }

    void fieldsTable()
    {
        QFETCH(bool, includeEmpty);
        QFETCH(QStringList, filled);
        QFETCH(int, rows);
        QFETCH(QStringList, firstWords);
        for (const QString &name : filled)
            desk->screen.set(name, QStringLiteral("Заполнено"));

        const QStringList lines = export_lines(includeEmpty);
        const int title = find_text(lines, QStringLiteral("Отчет о проведении контроля"));
        QVERIFY(title > 0);
        QStringList header;
        for (int i = 0; i < title; ++i)
            if (!lines.at(i).trimmed().isEmpty())
                header << lines.at(i);
        QCOMPARE(header.size(), rows);
        for (int i = 0; i < firstWords.size(); ++i)
            QCOMPARE(words(header.at(i)).value(0), firstWords.at(i));
        QCOMPARE(header.join('\n').contains(QStringLiteral("Данные о приборе")),
                 includeEmpty || filled.contains("device_type") || filled.contains("device_document_number"));
        for (const QString &line : header)
            if (words(line).value(0) == QLatin1String("Дата"))
                QCOMPARE(words(line).value(1), QDate::currentDate().toString("dd.MM.yyyy"));
    }

    void valueRows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVector<float>>("values");
        QTest::addColumn<double>("mean");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QList<QStringList>>("rows");

        const QStringList overline = {QStringLiteral("X\u0305"), "-", "x"};
        QTest::newRow("three values") << "7 HRC" << QVector<float>{5.0f, 42.26f, 123.4f} << 56.9
                                      << QStringList{"Номер", "HRC"} + overline
                                      << QList<QStringList>{{"1", "5.00", "51.9"},
                                                            {"2", "42.3", "14.6"},
                                                            {"3", "123", "-66.5"}};
        QTest::newRow("decimals switch at 10 and 100")
            << "2 HB" << QVector<float>{10.0f, 100.0f, 9.999f} << 40.0 << QStringList{"Номер", "HB"} + overline
            << QList<QStringList>{{"1", "10.0", "30.0"}, {"2", "100", "-60.0"}, {"3", "10.00", "30.0"}};
        // The screen cuts 2.345 to 2.34; the report rounds.
        QTest::newRow("rounded, not cut") << "name only" << QVector<float>{2.345f, -7.899f} << -2.8
                                          << QStringList{"Номер", "only"} + overline
                                          << QList<QStringList>{{"1", "2.35", "-5.1"}, {"2", "-7.90", "5.1"}};
        QTest::newRow("no second word") << "HRC" << QVector<float>{1.0f} << 1.0 << QStringList{"Номер"} + overline
                                        << QList<QStringList>{{"1", "1.00", "0.0"}};
        QTest::newRow("no negative zero") << "HRC" << QVector<float>{-0.001f, 0.04f} << 0.0
                                          << QStringList{"Номер"} + overline
                                          << QList<QStringList>{{"1", "0.00", "0.0"}, {"2", "0.04", "0.0"}};
    }

    void valueRows()
    {
        QFETCH(QString, name);
        QFETCH(QVector<float>, values);
        QFETCH(double, mean);
        QFETCH(QStringList, header);
        QFETCH(QList<QStringList>, rows);
        show_block(name, values);
        // The deviations are taken from the mean as shown.
        QCOMPARE(shown_statistic(desk->model.statistics().mean), mean);

        const QStringList lines = export_lines(false);
        const int title = find_text(lines, QStringLiteral("Отчет о проведении контроля"));
        const int headerRow = find_row(lines, header, title);
        QVERIFY2(headerRow > title, qPrintable(lines.join('\n')));
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(words(lines.value(headerRow + 1 + i)), rows.at(i));
        QVERIFY(words(lines.value(headerRow + 1 + rows.size())).isEmpty());
    }

    // A table longer than a page keeps every row, in order, its heading row on each page.
    void valuesOverPages()
    {
        QVector<float> values;
        for (int i = 0; i < 200; ++i)
            values << float(i);
        show_block(QStringLiteral("1 HV"), values);
        QCOMPARE(shown_statistic(desk->model.statistics().mean), 99.5);
        const QStringList lines = export_lines(false);
        int at = 0;
        for (int i = 0; i < values.size(); ++i) {
            at = find_row(lines, {QString::number(i + 1), QString::number(double(i), 'f', i < 10 ? 2 : i < 100 ? 1 : 0),
                                  QString::number(99.5 - double(i), 'f', 1)},
                          at);
            QVERIFY2(at >= 0, qPrintable(QString::number(i)));
        }
        QVERIFY(lines.join('\n').count(QChar('\f')) >= 2); // three pages or more
        QCOMPARE(lines.filter(QStringLiteral("Номер")).size(), lines.join('\n').count(QChar('\f')));
    }

    // Mean, σ, maximum, minimum, each to one decimal as the window shows it.
    void statisticsOrder()
    {
        show_block(QStringLiteral("1 HV"), {-3.26f, 123.44f});
        const QStringList lines = export_lines(false);
        const int heading = find_row(lines, {QStringLiteral("Статистика")});
        QVERIFY(heading > 0);
        QCOMPARE(words(lines.value(heading + 1)), QStringList({"Среднее", "60.1"}));
        QCOMPARE(words(lines.value(heading + 2)), QStringList({"σ", "89.6"}));
        QCOMPARE(words(lines.value(heading + 3)), QStringList({"Max", "123.4"}));
        QCOMPARE(words(lines.value(heading + 4)), QStringList({"Min", "-3.3"}));
    }

    void toleranceLine_data()
    {
        QTest::addColumn<bool>("limits");
        QTest::addColumn<bool>("graph");
        QTest::addColumn<bool>("diagram");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QString>("line");

        QTest::newRow("graph") << true << true << false << 0.0 << 10.0 << "Допуск: [0; 10]";
        QTest::newRow("diagram") << true << false << true << 0.0 << 10.0 << "Допуск: [0; 10]";
        QTest::newRow("six digits") << true << true << true << 12.5 << 123456.7 << "Допуск: [12.5; 123457]";
        QTest::newRow("negative") << true << true << false << -2.5 << -0.1 << "Допуск: [-2.5; -0.1]";
        QTest::newRow("no plot") << true << false << false << 0.0 << 10.0 << "";
        QTest::newRow("limits off") << false << true << true << 0.0 << 10.0 << "";
    }

    void toleranceLine()
    {
        QFETCH(bool, limits);
        QFETCH(bool, graph);
        QFETCH(bool, diagram);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QString, line);
        desk->setLimits(low, high, limits);
        desk->screen.choice.graph = graph;
        desk->screen.choice.diagram = diagram;

        const QStringList lines = export_lines(false);
        const QStringList found = lines.filter(QStringLiteral("Допуск"));
        if (line.isEmpty()) {
            QVERIFY(found.isEmpty());
        } else {
            QCOMPARE(found.size(), 1);
            QCOMPARE(found.at(0).trimmed(), line);
            QVERIFY(lines.indexOf(found.at(0)) < find_text(lines, QStringLiteral("Комментарии")));
        }
    }

    // Asked for, with the limits shown, the assessment takes four rows after the
    // statistics' last, with the figures the window shows, each on one line.
    void toleranceAssessment_data()
    {
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("limits");
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("count"); // values 0, 1, … 12, 0, 1, …
        QTest::addColumn<QStringList>("rows"); // their words, after the minimum's

        QTest::newRow("asked") << true << true << false << 13
                               << QStringList{"Допуск [0; 10]", "Вне допуска 2 из 13 (15.4 %)", "Cp 0.43", "Cpk 0.34",
                                              "Итог вне допуска"};
        QTest::newRow("in English") << true << true << true << 13
                                    << QStringList{"Tolerance [0; 10]", "Out of tolerance 2 of 13 (15.4 %)", "Cp 0.43",
                                                   "Cpk 0.34", "Verdict out of tolerance"};
        // Wider than the column's share of the page.
        QTest::newRow("long figure") << true << true << false << 1000
                                     << QStringList{"Допуск [0; 10]", "Вне допуска 153 из 1000 (15.3 %)", "Cp 0.45",
                                                    "Cpk 0.36", "Итог вне допуска"};
        QTest::newRow("limits not shown") << true << false << false << 13 << QStringList{};
        QTest::newRow("not asked") << false << true << false << 13 << QStringList{};
    }

    void toleranceAssessment()
    {
        QFETCH(bool, asked);
        QFETCH(bool, limits);
        QFETCH(bool, english);
        QFETCH(int, count);
        QFETCH(QStringList, rows);
        QVector<float> values;
        for (int i = 0; i < count; ++i)
            values << float(i % 13);
        show_block(QStringLiteral("1 HV"), values);
        desk->setLimits(0.0, 10.0, limits);
        desk->screen.choice.tolerance = asked;
        QTranslator translator;
        if (english) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
            qApp->installTranslator(&translator);
        }
        const ToleranceAssessment assessment = desk->model.assessment();
        // As the plots panel shows them.
        const QStringList windowFigures = {capability_text(assessment, assessment.cp),
                                           capability_text(assessment, assessment.cpk)};
        const QStringList lines = export_lines(false);
        qApp->removeTranslator(&translator);

        const int minimum = find_row(lines, {"Min", "0.0"});
        QVERIFY2(minimum > 0, qPrintable(lines.join('\n')));
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(words(lines.value(minimum + 1 + i)).join(' '), rows.at(i));
        const QString text = lines.join('\n');
        QCOMPARE(text.contains(QStringLiteral("Cpk")), !rows.isEmpty());
        QCOMPARE(text.contains(QStringLiteral("допуска")), !rows.isEmpty() && !english);
        if (!rows.isEmpty())
            QCOMPARE((QStringList{rows.at(2).section(' ', 1), rows.at(3).section(' ', 1)}), windowFigures);
    }

    void pictures_data()
    {
        QTest::addColumn<bool>("withLogo");
        QTest::addColumn<bool>("graph");
        QTest::addColumn<bool>("diagram");
        QTest::addColumn<QStringList>("pictures");

        QTest::newRow("none") << false << false << false << QStringList{};
        QTest::newRow("logo") << true << false << false << QStringList{"300x120"};
        QTest::newRow("graph") << false << true << false << QStringList{"600x400"};
        QTest::newRow("diagram") << false << false << true << QStringList{"600x400"};
        QTest::newRow("all") << true << true << true << QStringList{"300x120", "600x400", "600x400"};
    }

    void pictures()
    {
        QFETCH(bool, withLogo);
        QFETCH(bool, graph);
        QFETCH(bool, diagram);
        QFETCH(QStringList, pictures);
        if (withLogo) {
            QImage logo(300, 120, QImage::Format_RGB32);
            logo.fill(Qt::darkRed);
            desk->screen.form.logo = logo;
        }
        desk->screen.choice.graph = graph;
        desk->screen.choice.diagram = diagram;

        const QString path = export_file(false);
        QCOMPARE(pdf_pictures(path), pictures);
        if (graph && diagram) {
            const QString prefix = dir.filePath(QStringLiteral("picture"));
            QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), path, prefix}), 0);
            // The screen draws the graph red and the diagram blue: the graph first.
            const QColor graphColour = QImage(prefix + QStringLiteral("-001.png")).pixelColor(300, 200);
            const QColor diagramColour = QImage(prefix + QStringLiteral("-002.png")).pixelColor(300, 200);
            QVERIFY2(graphColour.red() > 240 && graphColour.blue() < 15, qPrintable(graphColour.name()));
            QVERIFY2(diagramColour.blue() > 240 && diagramColour.red() < 15, qPrintable(diagramColour.name()));
        }
    }

    void commentsAndSignature()
    {
        desk->screen.form.comments = QStringLiteral("Первая строка\nвторая, подлиннее строка\nтретья");
        const QString path = export_file(false);
        const QStringList lines = pdf_lines(path);
        const int heading = find_row(lines, {QStringLiteral("Комментарии")});
        QVERIFY(heading > 0);
        int at = heading;
        for (const char *comment : {"Первая строка", "вторая, подлиннее строка", "третья"})
            QCOMPARE(lines.value(++at).trimmed(), QString::fromUtf8(comment));
        const QString signature = QStringLiteral("Контроль проведён") + QString(44, QLatin1Char('_'))
                                  + QStringLiteral(", подпись");
        const int signatureLine = find_text(lines, signature, at);
        QVERIFY2(signatureLine > at, qPrintable(lines.join('\n')));
        QCOMPARE(lines.at(signatureLine).trimmed(), signature);

        // Title 16 points, comments heading and signature 12 points, all centred
        // on the text width, as are the comment lines.
        const QList<PdfWord> all = pdf_words(path);
        const QRectF title = line_box(all, QStringLiteral("Отчет"));
        const QRectF notes = line_box(all, QStringLiteral("Комментарии"));
        const QRectF sign = line_box(all, QStringLiteral("Контроль"));
        const QRectF comment = line_box(all, QStringLiteral("вторая,"));
        const QRectF value = line_box(all, QStringLiteral("Среднее"));
        QVERIFY(!title.isNull() && !notes.isNull() && !sign.isNull() && !comment.isNull() && !value.isNull());
        QVERIFY2(qAbs(title.height() / sign.height() - 16.0 / 12.0) < 0.1, qPrintable(QString::number(title.height())));
        QVERIFY(qAbs(notes.height() - sign.height()) < 0.5);
        QVERIFY2(qAbs(sign.height() / value.height() - 12.0 / 10.0) < 0.1, qPrintable(QString::number(sign.height())));
        const double middle = 595.0 / 2;
        for (const QRectF &box : {title, notes, sign, comment})
            QVERIFY2(qAbs(box.center().x() - middle) < 3, qPrintable(QString::number(box.center().x())));
    }

    void timesFaceWithCyrillic()
    {
        const QString path = export_file(false);
        const QString fonts = run_tool(QStringLiteral("pdffonts"), {path});
        QVERIFY2(fonts.contains(QStringLiteral("LiberationSerif")) || fonts.contains(QStringLiteral("TimesNewRoman")),
                 qPrintable(fonts));
        QVERIFY(pdf_lines(path).join('\n').contains(QStringLiteral("Отчет о проведении контроля")));
    }

    // The report's own texts in the language of the moment; the screen's captions as it gives them.
    void english()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        desk->screen.form.data.entries[0] = {QStringLiteral("Company"), QStringLiteral("Acme"),
                                             QStringLiteral("Company information")};
        desk->screen.captions = {"Data statistics", "Min", "Max", "Mean", "σ"};
        desk->screen.form.commentsCaption = QStringLiteral("Notes");
        desk->setLimits(0.0, 10.0, true);
        desk->screen.choice.graph = true;
        const QStringList lines = export_lines(false);
        qApp->removeTranslator(&translator);

        const QString text = lines.join('\n');
        for (const char *expected : {"Company information", "Test report", "Data statistics", "Tolerance: [0; 10]",
                                     "Notes"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(find_row(lines, {"Company", "Acme"}) >= 0);
        QVERIFY(find_row(lines, {"Number", "HRC", QStringLiteral("X\u0305"), "-", "x"}) >= 0);
        QVERIFY(find_row(lines, {"Mean", "56.9"}) >= 0);
        const QString signature =
            QStringLiteral("Testing carried out") + QString(32, QLatin1Char('_')) + QStringLiteral(",signature");
        QVERIFY2(find_row(lines, words(signature)) >= 0, qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Отчет")));
    }

    // Fault: the writer reported nothing for a target it could not create (the export then
    // asked the desktop to open a file that was not there).
    void unwritableTarget_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder missing") << "missing";
        QTest::newRow("parent is a file") << "file";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("folder without write access") << "readonly";
    }

    void unwritableTarget()
    {
        QFETCH(QString, kind);
        QString path;
        QString lockedFolder;
        if (kind == "missing") {
            path = dir.filePath(QStringLiteral("no-such-folder/report.pdf"));
        } else if (kind == "file") {
            QFile plain(dir.filePath(QStringLiteral("plain")));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            path = plain.fileName() + QStringLiteral("/report.pdf");
        } else if (kind == "folder") {
            path = dir.filePath(QStringLiteral("a-folder.pdf"));
            QVERIFY(QDir().mkpath(path));
        } else {
            lockedFolder = dir.filePath(QStringLiteral("read-only"));
            QVERIFY(QDir().mkpath(lockedFolder));
            if (!lock_path(lockedFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner))
                QSKIP("cannot make a folder without write access here");
            path = lockedFolder + QStringLiteral("/report.pdf");
        }

        const bool written = write_pdf_report(desk->reports.collect_report_model(true, QSize(600, 400)), path);
        if (!lockedFolder.isEmpty())
            unlock_path(lockedFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QVERIFY(!QFileInfo(path).isFile());
    }

    // Fault: the logo went through a file of fixed name in the shared temporary
    // folder, where another user could plant a link.
    void logoWritesNoTemporaryFile()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const QByteArray oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::TempLocation), tmp.path());

        const QString victim = dir.filePath(QStringLiteral("victim.txt"));
        QFile victimFile(victim);
        QVERIFY(victimFile.open(QIODevice::WriteOnly));
        victimFile.write("precious");
        victimFile.close();
        QVERIFY(QFile::link(victim, tmp.filePath(QStringLiteral("temp_logo.png"))));

        QImage logo(250, 100, QImage::Format_ARGB32);
        logo.fill(QColor(0, 128, 0));
        desk->screen.form.logo = logo;
        const QString path = export_file(false);
        qputenv("TMPDIR", oldTmp);

        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList(QStringLiteral("temp_logo.png")));
        QVERIFY(victimFile.open(QIODevice::ReadOnly));
        QCOMPARE(victimFile.readAll(), QByteArray("precious"));
        QCOMPARE(pdf_pictures(path), QStringList(QStringLiteral("250x100")));

        // Same picture: the logo's colour survives.
        const QString prefix = dir.filePath(QStringLiteral("logo"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), path, prefix}), 0);
        const QColor shown = QImage(prefix + QStringLiteral("-000.png")).pixelColor(125, 50);
        QVERIFY2(shown.red() < 20 && qAbs(shown.green() - 128) < 20 && shown.blue() < 20, qPrintable(shown.name()));
    }

    // The report is in the language of the click, whatever is chosen while it is written.
    void languageSwitchedDuringExport()
    {
        show_long_block();
        const QString path = dir.filePath(QStringLiteral("language.pdf"));
        ReportExport writer;
        writer.start(desk->reports.collect_report_model(false, QSize(600, 400)), path, write_pdf_report);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        writer.finish();
        qApp->removeTranslator(&translator);
        const QString text = pdf_lines(path).join('\n');
        QVERIFY(text.contains(QStringLiteral("Отчет о проведении контроля")));
        QVERIFY(text.contains(QStringLiteral("подпись")));
        QVERIFY(!text.contains(QStringLiteral("Test report")));
    }

private:
    QString export_file(bool includeEmpty)
    {
        const QString path = dir.filePath(QStringLiteral("report-%1.pdf").arg(++exports));
        ReportModel report = desk->reports.collect_report_model(includeEmpty, QSize(600, 400));
        report.finishPlots();
        [&] { QVERIFY(write_pdf_report(report, path)); }();
        return path;
    }

    QStringList export_lines(bool includeEmpty) { return pdf_lines(export_file(includeEmpty)); }

    // Long enough that writing its report outlasts the checks made meanwhile.
    void show_long_block()
    {
        QVector<float> values;
        for (int i = 0; i < 5000; ++i)
            values << float(i % 300);
        show_block(QStringLiteral("1 HV"), values);
    }

    void show_block(const QString &name, const QVector<float> &values) { desk->show(name, values); }

    QTemporaryDir dir;
    int exports = 0;
    std::unique_ptr<ReportDesk> desk;
};

QTEST_MAIN(TestPdfReport)
#include "tst_pdfreport.moc"
