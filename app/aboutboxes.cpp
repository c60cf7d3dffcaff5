#include "aboutboxes.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "version.h"

namespace {

const char *const kProduct = "Ormeda";
const char *const kSite = "velmarsk.example";
const char *const kMail = "info@velmarsk.example";

} // namespace

void show_about_program(QWidget *parent)
{
    const QString site = QLatin1String(kSite);
    const QString mail = QLatin1String(kMail);
    const QString systems = QCoreApplication::translate(
        "MainWindow", "Поддерживаемые ОС: Windows 7, Windows 8, Windows 10, Windows 11, Linux");
    const QString text = QStringLiteral("%1 %2<br>").arg(QLatin1String(kProduct), QLatin1String(ORMEDA_VERSION))
                         + systems + QStringLiteral("<br>") + QCoreApplication::translate("MainWindow", "Сайт: ")
                         + QStringLiteral("<a href=\"https://%1\">%1</a><br>").arg(site)
                         + QCoreApplication::translate("MainWindow", "Электронная почта: ")
                         + QStringLiteral("<a href=\"mailto:%1\">%1</a><br>").arg(mail) + QStringLiteral("© 2024 ")
                         + QCoreApplication::translate("MainWindow", "Velmarsk");
    QMessageBox::about(parent, QCoreApplication::translate("MainWindow", "О программе"), text);
}

void show_about_company()
{
    // No parent: the box is a window of its own.
    QMessageBox::information(nullptr, QString(), QCoreApplication::translate("MainWindow",
        "<p><b>Velmarsk</b> — российский разработчик и производитель портативных приборов "
        "неразрушающего контроля. "
        "Компания основана в 2003 году группой инженеров-метрологов и сама ведёт все разработки: "
        "от датчиков и электроники до программного обеспечения.</p>"
        "<p><b>Приборы:</b></p><ul>"
        "<li>портативные твердомеры для металлов и сплавов;</li>"
        "<li>ультразвуковые толщиномеры;</li>"
        "<li>вихретоковые дефектоскопы;</li>"
        "<li>измерители толщины покрытий.</li></ul>"
        "<p><b>Услуги:</b></p><ul>"
        "<li>поверка и калибровка приборов;</li>"
        "<li>гарантийный и постгарантийный ремонт;</li>"
        "<li>обучение операторов;</li>"
        "<li>подбор приборов и методик контроля под задачу заказчика.</li></ul>"
        "<p>velmarsk.example · info@velmarsk.example</p>"));
}
