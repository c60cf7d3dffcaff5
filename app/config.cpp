#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>
#include <QLineEdit>

#include "fontsize.h"
#include "settingsfile.h"
#include "unitlimits.h"

namespace {

const char *const kAppFontSize = "app_font_size";
const char *const kLimitsMin = "limits_min_val";
const char *const kLimitsMax = "limits_max_val";
const char *const kUnitLimits = "unit_limits"; // the pairs of the other units
const char *const kLogo = "logo_image";
const char *const kComments = "comments";

struct TextKey
{
    const char *key;
    QLineEdit *Ui::MainWindow::*field;
};

// Keys named after the line edits they fill, split where the logo comes between them.
const TextKey kCompanyAndDeviceKeys[] = {
    {"company_name", &Ui::MainWindow::company_name},
    {"company_city", &Ui::MainWindow::company_city},
    {"company_address", &Ui::MainWindow::company_address},
    {"company_phone", &Ui::MainWindow::company_phone},
    {"company_website", &Ui::MainWindow::company_website},
    {"device_name", &Ui::MainWindow::device_name},
    {"device_type", &Ui::MainWindow::device_type},
    {"device_number", &Ui::MainWindow::device_number},
    {"device_document_number", &Ui::MainWindow::device_document_number},
};
const TextKey kReportKeys[] = {
    {"report_operator", &Ui::MainWindow::report_operator},
    {"report_detail_name", &Ui::MainWindow::report_detail_name},
    {"report_material", &Ui::MainWindow::report_material},
    {"report_batch_number", &Ui::MainWindow::report_batch_number},
};

QJsonObject defaultConfig()
{
    QJsonObject config;
    for (const TextKey &text : kCompanyAndDeviceKeys)
        config.insert(QLatin1String(text.key), QString());
    config.insert(QLatin1String(kLogo), QString());
    for (const TextKey &text : kReportKeys)
        config.insert(QLatin1String(text.key), QString());
    config.insert(QLatin1String(kAppFontSize), 12);
    config.insert(QLatin1String(kLimitsMin), 0.0);
    config.insert(QLatin1String(kLimitsMax), 10.0);
    config.insert(QLatin1String(kComments), QString());
    return config;
}

} // namespace

void MainWindow::createDefaultConfig()
{
    const QString path = configFilePath();
    if (QFile::exists(path))
        return;
    writeJsonFile(path, defaultConfig());
}

QJsonObject MainWindow::loadConfig()
{
    createDefaultConfig();
    QFile file(configFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    const QByteArray bytes = file.readAll();
    file.close();
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (document.isNull() || !document.isObject())
        return QJsonObject();
    return document.object();
}

void MainWindow::saveConfig(const QJsonObject &config)
{
    writeJsonFile(configFilePath(), config);
}

void MainWindow::applyConfig(const QJsonObject &config)
{
    for (const TextKey &text : kCompanyAndDeviceKeys)
        (ui->*text.field)->setText(config.value(QLatin1String(text.key)).toString());
    logo = imageFromBase64(config.value(QLatin1String(kLogo)).toString());
    for (const TextKey &text : kReportKeys)
        (ui->*text.field)->setText(config.value(QLatin1String(text.key)).toString());
    applyFontSize(this, config.value(QLatin1String(kAppFontSize)).toInt());
    ui->limits_min->setValue(config.value(QLatin1String(kLimitsMin)).toDouble());
    ui->limits_max->setValue(config.value(QLatin1String(kLimitsMax)).toDouble());
    // As the boxes hold them: one decimal, within their range.
    UnitLimits pairs = unit_limits_from_json(config.value(QLatin1String(kUnitLimits)));
    pairs.insert(QString(), {ui->limits_min->value(), ui->limits_max->value()});
    measurements.setUnitLimits(pairs);
    ui->comments_text->setPlainText(config.value(QLatin1String(kComments)).toString());
}

QJsonObject MainWindow::collectConfig(QJsonObject config) const
{
    for (const TextKey &text : kCompanyAndDeviceKeys)
        config.insert(QLatin1String(text.key), (ui->*text.field)->text());
    config.insert(QLatin1String(kLogo), imageToBase64(logo));
    for (const TextKey &text : kReportKeys)
        config.insert(QLatin1String(text.key), (ui->*text.field)->text());
    config.insert(QLatin1String(kAppFontSize), font().pointSize());
    const Limits plain = measurements.limitsOfUnit(QString());
    config.insert(QLatin1String(kLimitsMin), plain.min);
    config.insert(QLatin1String(kLimitsMax), plain.max);
    config.insert(QLatin1String(kUnitLimits), unit_limits_to_json(measurements.unitLimits()));
    config.insert(QLatin1String(kComments), ui->comments_text->toPlainText());
    return config;
}
