// The export's questions as the operator sees them: the save dialog, the question and failure
// boxes and the status bar's news, each as the program has always shown it.
#include <QtTest>

#include <QDir>
#include <QMainWindow>
#include <QStatusBar>

#include "dialogquestions.h"
#include "modaldriver.h"

class TestDialogQuestions : public QObject
{
    Q_OBJECT

    QMainWindow window;
    DialogQuestions questions{&window, window.statusBar()};

private slots:
    // Over the window that asked, with the caption, the proposal and the filter; a cancel gives no name.
    void saveDialog()
    {
        ModalDriver driver;
        driver.then(ModalDriver::cancel());
        const QString chosen =
            questions.saveFileName(QStringLiteral("Экспорт в Excel"), QDir::tempPath() + QStringLiteral("/Отчет A-5.xlsx"),
                                   QStringLiteral("(*.xlsx)"));
        QVERIFY(chosen.isEmpty());
        QCOMPARE(driver.unexpected, 0);
        QCOMPARE(driver.seen.size(), 1);
        const SeenModal dialog = driver.seen.at(0);
        QVERIFY(dialog.isFileDialog);
        QVERIFY(dialog.hasParent);
        QCOMPARE(dialog.title, QStringLiteral("Экспорт в Excel"));
        QCOMPARE(dialog.nameFilters, QStringList(QStringLiteral("(*.xlsx)")));
        QCOMPARE(dialog.selectedFiles, QStringList(QDir::tempPath() + QStringLiteral("/Отчет A-5.xlsx")));
    }

    void emptyFields_data()
    {
        QTest::addColumn<int>("button"); // a standard button, or 0 to close the box
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(QMessageBox::Yes) << int(Questions::EmptyFields::Include);
        QTest::newRow("no") << int(QMessageBox::No) << int(Questions::EmptyFields::Leave);
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << int(Questions::EmptyFields::Cancel);
        QTest::newRow("closed cancels") << 0 << int(Questions::EmptyFields::Cancel);
    }

    // A box of its own, without a title, Yes, No and Cancel in the interface's words.
    void emptyFields()
    {
        QFETCH(int, button);
        QFETCH(int, answer);
        ModalDriver driver;
        driver.then(button ? ModalDriver::press(QMessageBox::StandardButton(button)) : ModalDriver::closeWindow());
        QCOMPARE(int(questions.askEmptyFields()), answer);
        QCOMPARE(driver.unexpected, 0);
        const SeenModal box = driver.seen.value(0);
        QVERIFY(box.isMessageBox);
        QVERIFY(box.title.isEmpty());
        QVERIFY(!box.hasParent);
        QCOMPARE(box.text, QStringLiteral("Включать незаполненные поля в отчет?"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QStringList({QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}));
    }

    void saveFailed()
    {
        ModalDriver driver;
        driver.then(ModalDriver::press(QMessageBox::Ok));
        questions.saveFailed();
        QCOMPARE(driver.unexpected, 0);
        const SeenModal box = driver.seen.value(0);
        QVERIFY(box.isMessageBox);
        QVERIFY(!box.hasParent);
        QCOMPARE(box.title, QStringLiteral("Ошибка"));
        QCOMPARE(box.text, QStringLiteral("Не удалось сохранить файл.\nПожалуйста, проверьте права на запись и не "
                                          "открыта ли прошлая версия файла."));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList(QStringLiteral("OK")));
    }

    // Named in the status bar, by its name alone.
    void fileSaved()
    {
        questions.fileSaved(QStringLiteral("/tmp/some folder/block.csv"));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Файл сохранён: block.csv"));
    }
};

QTEST_MAIN(TestDialogQuestions)
#include "tst_dialogquestions.moc"
