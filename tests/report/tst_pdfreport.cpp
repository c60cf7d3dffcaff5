#include <QtTest>

#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>

#include <qcustomplot.h>

#include "mainwindowaccess.h"
#include "modaldriver.h"
#include "pathlock.h"
#include "pdftools.h"
#include "settingssandbox.h"
#include "urlcatcher.h"

namespace {

const QString saveFailureText = QStringLiteral(
    "Не удалось сохранить файл.\nПожалуйста, проверьте права на запись и не открыта ли прошлая версия файла.");

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

QStringList model_rows(const QAbstractItemModel *model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

void clear_form(WindowForm *ui)
{
    for (QLineEdit *edit : ui->centralwidget->findChildren<QLineEdit *>())
        edit->clear();
    ui->comments_text->clear();
    ui->report_graph_checkbox->setChecked(false);
    ui->report_diagram_checkbox->setChecked(false);
    ui->set_limits_checkbox->setChecked(false);
}

} // namespace

class TestPdfReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox.startWithoutPorts());
        viewer.catchFileUrls();
        QVERIFY(dir.isValid());
    }

    // Each case starts from no settings file: a window saves its form on the way out.
    void cleanup()
    {
        window.reset();
        SettingsSandbox::clear();
    }

    void init()
    {
        viewer.urls.clear();
        window.reset(new MainWindow);
        ui = MainWindowAccess::ui(*window);
        clear_form(ui);
        show_block(QStringLiteral("7 HRC"), {5.0f, 42.26f, 123.4f});
        ui->min_box->setValue(5.0);
        ui->max_box->setValue(123.4);
        ui->mean_box->setValue(56.9);
        ui->stdev_box->setValue(59.3);
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
            ui->centralwidget->findChild<QLineEdit *>(name)->setText(QStringLiteral("Заполнено"));

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
                QCOMPARE(words(line).value(1), ui->report_date_edit->date().toString("dd.MM.yyyy"));
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
        QCOMPARE(ui->mean_box->value(), mean);

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
        QCOMPARE(ui->mean_box->value(), 99.5);
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

    // Fault: after a double click on one block and a single click on another, toggling the
    // limits or editing one drew the other block's plots beside the first one's table and
    // statistics, and a report printed the values of one with the graph of the other.
    void singleClickChangesNothingShown()
    {
        MainWindowAccess::measurements(*window).setBlocks({{"1 HRC", {1, 2, 3, 4}}, {"2 HB", {70, 80, 90}}});
        QListWidget *list = ui->block_names_list;
        list->setCurrentRow(0);
        window->on_block_names_list_itemDoubleClicked(list->item(0));
        list->setCurrentRow(1);
        ui->report_graph_checkbox->setChecked(true);
        ui->set_limits_checkbox->setChecked(false);
        ui->set_limits_checkbox->setChecked(true);
        ui->limits_min->setValue(0.0);
        ui->limits_max->setValue(3.5);
        emit ui->limits_max->editingFinished();

        QCOMPARE(ui->graph->graph(0)->dataCount(), 4);
        QCOMPARE(ui->graph->graph(0)->data()->at(3)->value, 4.0);
        QCOMPARE(ui->graph->graph(1)->dataCount(), 1); // 4 lies above 3.5
        QCOMPARE(ui->graph->xAxis->range().upper, 5.0);
        QCOMPARE(ui->mean_box->value(), 2.5);
        QCOMPARE(model_rows(ui->table_block_data->model()), (QStringList{"1.00", "2.00", "3.00", "4.00"}));

        const QStringList lines = export_lines(false);
        QVERIFY(find_row(lines, {"4", "4.00", "-1.5"}) > 0);
        QVERIFY(find_row(lines, {QStringLiteral("Среднее"), "2.5"}) > 0);
        QVERIFY(find_row(lines, {QStringLiteral("σ"), "1.3"}) > 0);
        const QString text = lines.join('\n');
        QVERIFY(!text.contains(QStringLiteral("70.0")));
        QVERIFY(!text.contains(QStringLiteral("HB")));
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
        ui->limits_min->setValue(low);
        ui->limits_max->setValue(high);
        emit ui->limits_max->editingFinished();
        ui->set_limits_checkbox->setChecked(limits);
        ui->report_graph_checkbox->setChecked(graph);
        ui->report_diagram_checkbox->setChecked(diagram);

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
        ui->limits_min->setValue(0.0);
        ui->limits_max->setValue(10.0);
        emit ui->limits_max->editingFinished();
        ui->set_limits_checkbox->setChecked(limits);
        ui->report_tolerance_checkbox->setChecked(asked);
        if (english)
            window->on_actionEN_triggered();
        const QStringList windowFigures = {ui->cp_box->text(), ui->cpk_box->text()};
        const QStringList lines = export_lines(false);
        if (english)
            window->on_actionRU_triggered();

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
            MainWindowAccess::logo(*window) = logo;
        }
        ui->report_graph_checkbox->setChecked(graph);
        ui->report_diagram_checkbox->setChecked(diagram);

        const QString path = export_file(false);
        QCOMPARE(pdf_pictures(path), pictures);
        if (graph && diagram) {
            const QString prefix = dir.filePath(QStringLiteral("picture"));
            QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), path, prefix}), 0);
            // The diagram's bars are a pale blue that the graph has only at the line's edges.
            const int graphPale = pale_blue(QImage(prefix + QStringLiteral("-001.png")));
            QVERIFY(pale_blue(QImage(prefix + QStringLiteral("-002.png"))) > 10 * graphPale + 1000);
        }
    }

    void commentsAndSignature()
    {
        ui->comments_text->setPlainText(QStringLiteral("Первая строка\nвторая, подлиннее строка\nтретья"));
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

    void english()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        ui->retranslateUi(window.data());
        ui->company_name->setText(QStringLiteral("Acme"));
        ui->set_limits_checkbox->setChecked(true);
        ui->limits_min->setValue(0.0);
        ui->limits_max->setValue(10.0);
        emit ui->limits_max->editingFinished();
        ui->report_graph_checkbox->setChecked(true);
        const QStringList lines = export_lines(false);
        qApp->removeTranslator(&translator);

        const QString text = lines.join('\n');
        for (const char *expected : {"Company information", "Report details", "Test report", "Data statistics",
                                     "Tolerance: [0; 10]", "Notes"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(find_row(lines, {"Company", "Acme"}) >= 0);
        QVERIFY(find_row(lines, {"Number", "HRC", QStringLiteral("X\u0305"), "-", "x"}) >= 0);
        QVERIFY(find_row(lines, {"Mean", "56.9"}) >= 0);
        const QString signature =
            QStringLiteral("Testing carried out") + QString(32, QLatin1Char('_')) + QStringLiteral(",signature");
        QVERIFY2(find_row(lines, words(signature)) >= 0, qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Отчет")));
    }

    // Fault: the writer reported nothing for a target it could not create, and
    // the desktop was asked to open a file that was not there.
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

        ModalDriver driver;
        driver.then(ModalDriver::press(QMessageBox::Ok));
        window->export_to_pdf(path, true);
        MainWindowAccess::finishReport(*window);
        if (!lockedFolder.isEmpty())
            unlock_path(lockedFolder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QCOMPARE(driver.seen.size(), 1);
        const SeenModal box = driver.seen.at(0);
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        QCOMPARE(box.text, saveFailureText);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList(QStringLiteral("OK")));
        QVERIFY(!box.hasParent);
        QVERIFY(viewer.urls.isEmpty());
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
        MainWindowAccess::logo(*window) = logo;
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

    // The pictures show the whole block, whatever the plots on screen show; a double
    // click on a plot shows the whole block there again.
    void plotsOfTheBlockNotOfTheScreen()
    {
        QVector<float> values;
        for (int i = 0; i < 40; ++i)
            values << float(i % 9);
        show_block(QStringLiteral("1 HV"), values);
        ui->set_limits_checkbox->setChecked(true);
        ui->report_graph_checkbox->setChecked(true);
        ui->report_diagram_checkbox->setChecked(true);
        const QString whole = export_file(false);
        viewer.urls.clear();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        window->resize(900, 700);
        ui->graph->xAxis->setRange(2, 7);
        ui->diagram->xAxis->moveRange(1.5);
        const QString zoomed = export_file(false);
        QCOMPARE(pdf_pictures(zoomed), pdf_pictures(whole));
        const QString prefix = dir.filePath(QStringLiteral("zoom"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), whole, prefix + "a"}), 0);
        QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"), {QStringLiteral("-png"), zoomed, prefix + "b"}), 0);
        for (const QString &picture : {QStringLiteral("-001.png"), QStringLiteral("-002.png")})
            QVERIFY(QImage(prefix + "a" + picture) == QImage(prefix + "b" + picture));

        QTest::mouseDClick(ui->diagram, Qt::LeftButton, {}, ui->diagram->rect().center());
        QCOMPARE(ui->graph->xAxis->range().lower, 0.0);
        QCOMPARE(ui->graph->xAxis->range().upper, 41.0);
    }

    // Fault: each captured plot stayed frozen at its size after an export.
    void plotsFollowTheWindowAfterExport()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        window->resize(1300, 1000);
        ui->graph->setMinimumSize(120, 90); // a constraint of the plot's own
        const QSize diagramMinimum = ui->diagram->minimumSize();
        QTest::qWait(50);
        const QSize graphBefore = ui->graph->size();
        const QSize diagramBefore = ui->diagram->size();
        QVERIFY(graphBefore != QSize(600, 400));

        ui->report_graph_checkbox->setChecked(true);
        ui->report_diagram_checkbox->setChecked(true);
        const QString path = export_file(false);
        QCOMPARE(pdf_pictures(path), QStringList({"600x400", "600x400"}));

        QCOMPARE(ui->graph->minimumSize(), QSize(120, 90));
        QCOMPARE(ui->graph->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QCOMPARE(ui->diagram->minimumSize(), diagramMinimum);
        QCOMPARE(ui->diagram->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QTest::qWait(50);
        QCOMPARE(ui->graph->size(), graphBefore);
        QCOMPARE(ui->diagram->size(), diagramBefore);

        window->resize(1500, 1300);
        QTRY_VERIFY(ui->graph->height() > graphBefore.height());
        QTRY_VERIFY(ui->diagram->width() > diagramBefore.width());
    }

    // The button: save dialog, question, report, viewer.
    void exportButton()
    {
        const QString path = dir.filePath(QStringLiteral("from-button.pdf"));
        ModalDriver driver;
        driver.then(ModalDriver::chooseFile(path)).then(ModalDriver::press(QMessageBox::Yes));
        ui->button_export_to_PDF->setEnabled(true);
        QTest::mouseClick(ui->button_export_to_PDF, Qt::LeftButton);
        MainWindowAccess::finishReport(*window);
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 2);
        QCOMPARE(driver.seen.at(0).title, QStringLiteral("Экспорт в PDF"));
        QCOMPARE(driver.seen.at(0).nameFilters, QStringList(QStringLiteral("(*.pdf)")));
        QCOMPARE(viewer.urls, QList<QUrl>{QUrl::fromLocalFile(path)});
        const QStringList lines = pdf_lines(path);
        QVERIFY(find_text(lines, QStringLiteral("Данные о приборе")) >= 0); // "Yes": empty fields too
        QVERIFY(find_row(lines, {"3", "123", "-66.5"}) >= 0);
    }

    // While a report is written the window stays usable but cannot read or export;
    // afterwards the export buttons are as they were, the read button follows the
    // link, and only the finished file is opened.
    void exportRunsAside_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("linkBefore"); // the instrument connected at the click
        QTest::addColumn<bool>("linkAfter");  // and when the report is done
        QTest::newRow("PDF") << true << true << true << true;
        QTest::newRow("Excel") << false << true << true << true;
        QTest::newRow("PDF that fails") << true << false << true << true;
        QTest::newRow("Excel that fails") << false << false << true << true;
        QTest::newRow("link lost meanwhile") << true << true << true << false;
        QTest::newRow("link found meanwhile") << false << true << false << true;
    }

    void exportRunsAside()
    {
        QFETCH(bool, pdf);
        QFETCH(bool, writable);
        QFETCH(bool, linkBefore);
        QFETCH(bool, linkAfter);
        show_long_block();
        if (linkBefore)
            window->validPortFound();
        else
            window->validPortDisconnected();
        ui->button_export_to_PDF->setEnabled(true);
        ui->button_export_to_excel->setEnabled(false);
        const QString folder = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        if (writable)
            QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/report");
        ModalDriver driver;
        driver.then(ModalDriver::press(QMessageBox::Ok));
        if (pdf)
            window->export_to_pdf(path, false);
        else
            window->export_to_excel(path, false);

        auto *progress = window->findChild<QProgressBar *>(QStringLiteral("export_progress"));
        QVERIFY(progress);
        QVERIFY(!progress->isHidden());
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Сохранение отчёта…"));
        QVERIFY(!ui->button_read_data->isEnabled());
        QVERIFY(!ui->button_export_to_PDF->isEnabled());
        QVERIFY(viewer.urls.isEmpty());
        if (linkAfter != linkBefore) {
            if (linkAfter)
                window->validPortFound();
            else
                window->validPortDisconnected();
            QVERIFY(!ui->button_read_data->isEnabled()); // not while the report is written
        }

        QTRY_VERIFY_WITH_TIMEOUT(!MainWindowAccess::reportExport(*window)->isRunning(), 60000);
        QVERIFY(progress->isHidden());
        QVERIFY(window->statusBar()->currentMessage().isEmpty());
        QCOMPARE(ui->button_read_data->isEnabled(), linkAfter);
        QVERIFY(ui->button_export_to_PDF->isEnabled());
        QVERIFY(!ui->button_export_to_excel->isEnabled());
        QCOMPARE(driver.seen.size(), writable ? 0 : 1);
        QCOMPARE(viewer.urls, writable ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
        QCOMPARE(QFileInfo(path).isFile(), writable);
        // Nothing is left beside the target under another name.
        if (writable)
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("report")));
    }

    // Closing the window during an export waits for the report, which is then
    // complete under its name, and the settings are saved as usual.
    void closingDuringExport()
    {
        show_long_block();
        ui->company_name->setText(QStringLiteral("Закрытие"));
        const QString path = dir.filePath(QStringLiteral("closing.pdf"));
        window->export_to_pdf(path, false);
        QVERIFY(MainWindowAccess::reportExport(*window)->isRunning());
        window->close();
        window.reset();

        QVERIFY(viewer.urls.isEmpty());
        QVERIFY(pdf_lines(path).join('\n').contains(QStringLiteral("Закрытие")));
        QFile config(SettingsSandbox::file());
        QVERIFY(config.open(QIODevice::ReadOnly));
        QVERIFY(config.readAll().contains("Закрытие"));
    }

    // The report is in the language of the click, whatever is chosen while it is written.
    void languageSwitchedDuringExport()
    {
        show_long_block();
        const QString path = dir.filePath(QStringLiteral("language.pdf"));
        window->export_to_pdf(path, false);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/ts.qm")));
        qApp->installTranslator(&translator);
        MainWindowAccess::finishReport(*window);
        qApp->removeTranslator(&translator);
        const QString text = pdf_lines(path).join('\n');
        QVERIFY(text.contains(QStringLiteral("Отчет о проведении контроля")));
        QVERIFY(text.contains(QStringLiteral("подпись")));
        QVERIFY(!text.contains(QStringLiteral("Test report")));
    }

    void exportButtonCancelled()
    {
        ModalDriver driver;
        driver.then(ModalDriver::cancel());
        window->on_button_export_to_PDF_clicked();
        QCOMPARE(driver.seen.size(), 1);
        QCOMPARE(driver.unexpected, 0);
        QVERIFY(viewer.urls.isEmpty());
    }

private:
    QString export_file(bool includeEmpty)
    {
        const QString path = dir.filePath(QStringLiteral("report-%1.pdf").arg(++exports));
        window->export_to_pdf(path, includeEmpty);
        MainWindowAccess::finishReport(*window);
        [&] { QCOMPARE(viewer.urls.value(0), QUrl::fromLocalFile(path)); }();
        return path;
    }

    QStringList export_lines(bool includeEmpty) { return pdf_lines(export_file(includeEmpty)); }

    static int pale_blue(const QImage &image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += qAbs(c.red() - 155) < 20 && qAbs(c.green() - 155) < 20 && c.blue() > 235;
            }
        return count;
    }

    // Long enough that writing its report outlasts the checks made meanwhile.
    void show_long_block()
    {
        QVector<float> values;
        for (int i = 0; i < 5000; ++i)
            values << float(i % 300);
        show_block(QStringLiteral("1 HV"), values);
    }

    void show_block(const QString &name, const QVector<float> &values)
    {
        MainWindowAccess::measurements(*window).setBlocks({{name, values}});
        ui->block_names_list->setCurrentRow(0);
        window->on_block_names_list_itemDoubleClicked(ui->block_names_list->item(0));
    }

    SettingsSandbox sandbox;
    QTemporaryDir dir;
    int exports = 0;
    UrlCatcher viewer;
    QScopedPointer<MainWindow> window;
    WindowForm *ui = nullptr;
};

QTEST_MAIN(TestPdfReport)
#include "tst_pdfreport.moc"
