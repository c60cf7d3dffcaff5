#include "dialogquestions.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

DialogQuestions::DialogQuestions(QWidget *parent, QStatusBar *news)
    : QObject(parent)
    , parent(parent)
    , news(news)
{
}

QString DialogQuestions::saveFileName(const QString &caption, const QString &proposal, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, proposal, filter);
}

// Its texts are the window's, in the translation's context of the window.

// No parent and no title: a box of its own, as the program has always asked.
Questions::EmptyFields DialogQuestions::askEmptyFields()
{
    QMessageBox question(QMessageBox::Question, QString(),
                         QCoreApplication::translate("MainWindow", "Включать незаполненные поля в отчет?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    question.button(QMessageBox::Yes)->setText(QCoreApplication::translate("MainWindow", "Да"));
    question.button(QMessageBox::No)->setText(QCoreApplication::translate("MainWindow", "Нет"));
    question.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("MainWindow", "Отмена"));
    question.setEscapeButton(QMessageBox::Cancel); // Escape and the title bar's close too
    question.exec();
    if (question.clickedButton() == question.button(QMessageBox::Yes))
        return EmptyFields::Include;
    if (question.clickedButton() == question.button(QMessageBox::No))
        return EmptyFields::Leave;
    return EmptyFields::Cancel;
}

void DialogQuestions::saveFailed()
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("MainWindow", "Ошибка"),
                    QCoreApplication::translate("MainWindow",
                                                "Не удалось сохранить файл.\nПожалуйста, проверьте права на "
                                                "запись и не открыта ли прошлая версия файла."),
                    QMessageBox::Ok);
    box.exec();
}

void DialogQuestions::fileSaved(const QString &path)
{
    news->showMessage(QCoreApplication::translate("MainWindow", "Файл сохранён: %1").arg(QFileInfo(path).fileName()),
                      5000);
}
