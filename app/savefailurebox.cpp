#include "savefailurebox.h"

#include <QCoreApplication>
#include <QMessageBox>

void show_save_failure_box()
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("MainWindow", "Ошибка"),
                    QCoreApplication::translate("MainWindow",
                                                "Не удалось сохранить файл.\nПожалуйста, проверьте права на "
                                                "запись и не открыта ли прошлая версия файла."),
                    QMessageBox::Ok);
    box.exec();
}
