#include <QtTest>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <qcustomplot.h>

#include "mainwindow.h"
#include "mainwindowaccess.h"
#include "settingssandbox.h"

namespace {

using Texts = QMap<QString, QString>;

// Every caption of the form: labels, buttons, menu titles and action texts.
Texts captions(MainWindow &w)
{
    Texts texts;
    for (QLabel *label : w.findChildren<QLabel *>())
        if (!label->objectName().isEmpty())
            texts.insert("label " + label->objectName(), label->text());
    for (QAbstractButton *button : w.findChildren<QAbstractButton *>())
        if (!button->objectName().isEmpty())
            texts.insert("button " + button->objectName(), button->text());
    for (QMenu *menu : w.findChildren<QMenu *>())
        texts.insert("menu " + menu->objectName(), menu->title());
    for (QAction *action : w.findChildren<QAction *>())
        if (!action->objectName().isEmpty())
            texts.insert("action " + action->objectName(), action->text());
    return texts;
}

// Everything but the captions that a language switch must leave alone.
Texts state(MainWindow &w)
{
    Texts s;
    s.insert("title", w.windowTitle());
    for (QWidget *widget : w.findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty())
            continue;
        s.insert("enabled " + name, widget->isEnabled() ? "yes" : "no");
        s.insert("font " + name, widget->font().toString());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            s.insert("text " + name, edit->text());
        if (auto *box = qobject_cast<QAbstractSpinBox *>(widget))
            s.insert("text " + name, box->text());
        if (auto *editor = qobject_cast<QPlainTextEdit *>(widget))
            s.insert("text " + name, editor->toPlainText());
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            s.insert("checked " + name, button->isChecked() ? "yes" : "no");
        if (auto *plot = qobject_cast<QCustomPlot *>(widget)) {
            for (QCPAxis *axis : plot->axisRect()->axes())
                s.insert(QStringLiteral("range %1 %2").arg(name).arg(axis->axisType()),
                         QStringLiteral("%1 %2").arg(axis->range().lower).arg(axis->range().upper));
            s.insert("graphs " + name, QString::number(plot->plottableCount()));
        }
    }
    return s;
}

bool hasCyrillic(const QString &text)
{
    for (const QChar c : text)
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    return false;
}

struct BoxSeen
{
    bool found = false;
    QString title;
    QString text;
    QWidget *parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Runs trigger, which opens a modal message box, and reads and closes that box.
BoxSeen readModalBox(const std::function<void()> &trigger)
{
    BoxSeen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.parent = box->parentWidget();
        seen.icon = box->icon();
        seen.buttons = int(box->buttons().size());
        poll.stop();
        box->done(0);
    });
    poll.start();
    trigger();
    return seen;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private:
    SettingsSandbox sandbox;

private slots:
    void initTestCase() { QVERIFY(sandbox.start()); }
    void init() { SettingsSandbox::clear(); }

    void startsInRussian()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        QCOMPARE(ui->button_read_data->text(), QString("Прочитать данные"));
        QCOMPARE(ui->language->title(), QString("Язык"));
        QCOMPARE(ui->about_program->text(), QString("О программе"));
        QCOMPARE(ui->logo_action->text(), QString("Добавить логотип"));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Отчет"), QString("Отчет"));
        // The toolkit's own texts (file dialogs, context menus) too, from its translations package.
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QString("Сохранить как"));
        QVERIFY(ui->actionRU->isChecked() && !ui->actionEN->isChecked());
    }

    void englishThenRussianChangesOnlyCaptions()
    {
        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        w.setWindowTitle("Ormeda");
        for (QLineEdit *edit : w.findChildren<QLineEdit *>())
            if (!edit->objectName().isEmpty())
                edit->setText("value of " + edit->objectName());
        ui->comments_text->setPlainText("first line\nsecond line");
        ui->limits_min->setValue(1.5);
        emit ui->limits_min->editingFinished();
        ui->report_graph_checkbox->setChecked(true);
        ui->set_limits_checkbox->setChecked(true);
        ui->button_export_to_PDF->setEnabled(true);
        ui->action_font_size_increase->trigger();

        const Texts russian = captions(w);
        const Texts before = state(w);

        ui->actionEN->trigger();
        const Texts english = captions(w);
        QCOMPARE(state(w), before);
        QCOMPARE(english.keys(), russian.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            QVERIFY2(!hasCyrillic(it.value()), qPrintable(it.key() + ": " + it.value()));
        QCOMPARE(english.value("button button_read_data"), QString("Read data"));
        QCOMPARE(english.value("label company_data_label"), QString("Company information"));
        QCOMPARE(english.value("label device_document_number_label"),
                 QString("Verification certificate number"));
        QCOMPARE(english.value("menu font_size"), QString("Font size"));
        QCOMPARE(english.value("action about_program"), QString("About"));
        QCOMPARE(english.value("action actionRU"), QString("Russian"));
        QCOMPARE(english.value("menu file_menu"), QString("File"));
        QCOMPARE(english.value("action action_export_csv"), QString("Save block as CSV…"));
        QCOMPARE(english.value("button logo_action"), QString("Add logo"));
        // Texts made after the switch follow it too.
        QCOMPARE(QCoreApplication::translate("MainWindow", "Отчет"), QString("Report"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QString("Save As"));
        QVERIFY(!ui->actionRU->isChecked() && ui->actionEN->isChecked());

        ui->actionEN->trigger();
        QCOMPARE(captions(w), english);

        ui->actionRU->trigger();
        QCOMPARE(captions(w), russian);
        QCOMPARE(state(w), before);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Отчет"), QString("Отчет"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QString("Сохранить как"));
        QVERIFY(ui->actionRU->isChecked() && !ui->actionEN->isChecked());
    }

    void logoButtonFollowsLanguage_data()
    {
        QTest::addColumn<bool>("withLogo");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no logo, English") << false << true << "Add logo";
        QTest::newRow("no logo, back to Russian") << false << false << "Добавить логотип";
        QTest::newRow("logo, English") << true << true << "Remove logo";
        QTest::newRow("logo, back to Russian") << true << false << "Удалить";
    }

    void logoButtonFollowsLanguage()
    {
        QFETCH(bool, withLogo);
        QFETCH(bool, english);
        QFETCH(QString, expected);

        MainWindow w;
        WindowForm *ui = MainWindowAccess::ui(w);
        if (withLogo) {
            QImage logo(8, 8, QImage::Format_RGB32);
            logo.fill(Qt::blue);
            MainWindowAccess::logo(w) = logo;
        }
        ui->actionEN->trigger();
        if (!english)
            ui->actionRU->trigger();
        QCOMPARE(ui->logo_action->text(), expected);
        QCOMPARE(MainWindowAccess::logo(w).isNull(), !withLogo);
    }

    void aboutBox_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("pieces");

        QTest::newRow("Russian") << false << "О программе"
                                 << QStringList{"Поддерживаемые ОС: Windows 7, Windows 8, Windows 10, Windows 11, Linux<br>",
                                                "Сайт: <a href=", "Электронная почта: <a href=\"mailto:"};
        QTest::newRow("English") << true << "About"
                                 << QStringList{"Supported systems: Windows 7, Windows 8, Windows 10, Windows 11, Linux<br>",
                                                "Website: <a href=", "e-mail: <a href=\"mailto:"};
    }

    void aboutBox()
    {
        QFETCH(bool, english);
        QFETCH(QString, title);
        QFETCH(QStringList, pieces);

        MainWindow w;
        if (english)
            MainWindowAccess::ui(w)->actionEN->trigger();
        const BoxSeen box = readModalBox([&] { MainWindowAccess::ui(w)->about_program->trigger(); });
        QVERIFY(box.found);
        QCOMPARE(box.title, title);
        QCOMPARE(box.parent, &w);
        QVERIFY2(box.text.startsWith("Ormeda 2.4.1<br>"), qPrintable(box.text));
        for (const QString &piece : pieces)
            QVERIFY2(box.text.contains(piece), qPrintable(piece));
        // Links show the domain and the address themselves.
        QVERIFY(box.text.contains(QRegularExpression("<a href=\"https?://[^\"]*velmarsk\\.example/?\">velmarsk\\.example</a>")));
        QVERIFY(box.text.contains(QRegularExpression("<a href=\"mailto:([^\"]+@velmarsk\\.example)\">\\1</a>")));
        QVERIFY(box.text.contains(QRegularExpression("<br>[^<]*\\b(19|20)\\d\\d\\b[^<]*Velmarsk[^<]*$")));
    }

    void makerBox_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Russian") << false;
        QTest::newRow("English") << true;
    }

    void makerBox()
    {
        QFETCH(bool, english);

        MainWindow w;
        if (english)
            MainWindowAccess::ui(w)->actionEN->trigger();
        const BoxSeen box = readModalBox([&] { MainWindowAccess::ui(w)->about_company->trigger(); });
        QVERIFY(box.found);
        QCOMPARE(box.parent, nullptr);
        QCOMPARE(box.title, QString());
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, 1);
        QVERIFY(box.text.contains("Velmarsk"));
        QVERIFY(box.text.contains("velmarsk.example"));
        QCOMPARE(hasCyrillic(box.text), !english);
        QVERIFY(box.text.contains(english ? "non-destructive testing" : "неразрушающего контроля"));
    }

    // The compiled resource must carry every text of the translation source, with its English.
    void translationResourceIsComplete()
    {
        if (qEnvironmentVariableIsEmpty("ORMEDA_SOURCE_DIR"))
            QSKIP("ORMEDA_SOURCE_DIR names the source tree; ctest sets it");
        QFile source(qEnvironmentVariable("ORMEDA_SOURCE_DIR") + "/i18n/ts.ts");
        QVERIFY2(source.open(QIODevice::ReadOnly), qPrintable(source.fileName()));
        QTranslator compiled;
        QVERIFY(compiled.load(":/i18n/ts.qm"));

        QXmlStreamReader xml(&source);
        QString context;
        QString text;
        int messages = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                text = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation") && text != "MainWindow") {
                const bool unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
                const QString english = xml.readElementText();
                QVERIFY2(!unfinished && !english.isEmpty(), qPrintable("no English for " + text));
                QCOMPARE(compiled.translate(context.toUtf8(), text.toUtf8()), english);
                ++messages;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 40);
    }

    void reportTexts_data()
    {
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");

        QTest::newRow("PDF caption") << "Экспорт в PDF" << "Export to PDF";
        QTest::newRow("Excel caption") << "Экспорт в Excel" << "Export to Excel";
        QTest::newRow("file name") << "Отчет" << "Report";
        QTest::newRow("question") << "Включать незаполненные поля в отчет?" << "Include empty fields into the report?";
        QTest::newRow("yes") << "Да" << "Yes";
        QTest::newRow("no") << "Нет" << "No";
        QTest::newRow("error title") << "Ошибка" << "Error";
        QTest::newRow("save failure")
            << "Не удалось сохранить файл.\nПожалуйста, проверьте права на запись и не открыта ли прошлая версия файла."
            << "Failed to save the file.\nPlease check write permissions and whether the previous version of the file is open.";
        QTest::newRow("reading not saved") << "Не удалось сохранить показания" << "The reading could not be saved";
        QTest::newRow("reading not opened") << "Не удалось открыть файл показаний."
                                            << "The reading file could not be opened.";
        QTest::newRow("PDF title") << "Отчет о проведении контроля" << "Test report";
        QTest::newRow("Excel title") << "ОТЧЕТ О ПРОВЕДЕНИИ КОНТРОЛЯ" << "TEST REPORT";
        QTest::newRow("number column") << "Номер" << "Number";
        QTest::newRow("statistics") << "Статистика" << "Data statistics";
        QTest::newRow("tolerance") << "Допуск: [" << "Tolerance: [";
        QTest::newRow("comments") << "Комментарии" << "Notes";
        QTest::newRow("PDF signature") << "Контроль проведён" + QString(44, '_') + ", подпись"
                                       << "Testing carried out" + QString(32, '_') + ",signature";
        QTest::newRow("Excel signature") << "Контроль проведён" + QString(36, '_') + ", подпись"
                                         << "Testing carried out" + QString(36, '_') + ",signature";
    }

    void reportTexts()
    {
        QFETCH(QString, russian);
        QFETCH(QString, english);
        QTranslator compiled;
        QVERIFY(compiled.load(":/i18n/ts.qm"));
        const QString translated = compiled.translate("MainWindow", russian.toUtf8());
        // lupdate only takes texts that some code already uses.
        if (translated.isEmpty())
            QSKIP("no code uses this text yet");
        QCOMPARE(translated, english);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
