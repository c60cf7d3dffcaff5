#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include "blockspanel.h"
#ifdef Q_OS_UNIX
#include "demoinstrument.h"
#endif
#include "linkstatus.h"
#include "plotspanel.h"
#include "reportformpanel.h"
#include "version.h"

namespace {

const char *const kTranslation = ":/i18n/ts.qm";
const char *const kProduct = "Ormeda";
const char *const kSite = "velmarsk.example";
const char *const kMail = "info@velmarsk.example";

// The toolkit's texts in that language (its dialogs, the text fields' context menus) from
// its own translations folder. False, the translator left empty, where none are installed:
// the toolkit then speaks its English.
bool load_toolkit_translation(QTranslator *toolkit, UiLanguage language)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    return toolkit->load(QLatin1String("qtbase_") + language_code(language), folder);
}

} // namespace

void MainWindow::on_actionRU_triggered()
{
    switch_language(UiLanguage::Russian);
}

void MainWindow::on_actionEN_triggered()
{
    switch_language(UiLanguage::English);
}

void MainWindow::switch_language(UiLanguage chosen)
{
    // retranslateUi puts the form's placeholder title back; keep the product title.
    const QString title = windowTitle();
    language = chosen;
    QApplication::removeTranslator(translator);
    QApplication::removeTranslator(toolkitTranslator);
    if (chosen == UiLanguage::English) {
        const bool loaded = translator->load(QLatin1String(kTranslation));
        Q_UNUSED(loaded) // start-up has already checked that the resource is there
        QApplication::installTranslator(translator);
    }
    if (load_toolkit_translation(toolkitTranslator, chosen))
        QApplication::installTranslator(toolkitTranslator);
    ui->retranslateUi(this);
    blocks->retranslate();
    plots->retranslate();
    form->retranslate();
    linkStatus->retranslate();
#ifdef Q_OS_UNIX
    if (demo) // made after the stored language is set
        demo->retranslate();
#endif
    (chosen == UiLanguage::English ? ui->actionEN : ui->actionRU)->setChecked(true);
    setWindowTitle(title);
}

void MainWindow::on_about_program_triggered()
{
    const QString site = QLatin1String(kSite);
    const QString mail = QLatin1String(kMail);
    const QString text =
        QStringLiteral("%1 %2<br>").arg(QLatin1String(kProduct), QLatin1String(ORMEDA_VERSION))
        + tr("Поддерживаемые ОС: Windows 7, Windows 8, Windows 10, Windows 11, Linux") + QStringLiteral("<br>")
        + tr("Сайт: ") + QStringLiteral("<a href=\"https://%1\">%1</a><br>").arg(site)
        + tr("Электронная почта: ") + QStringLiteral("<a href=\"mailto:%1\">%1</a><br>").arg(mail)
        + QStringLiteral("© 2024 ") + tr("Velmarsk");
    QMessageBox::about(this, tr("О программе"), text);
}

void MainWindow::on_about_company_triggered()
{
    // No parent: the box is a window of its own.
    QMessageBox::information(nullptr, QString(), tr(
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
