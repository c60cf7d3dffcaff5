#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QLineEdit>

#include "atomicwrite.h"
#include "fontsize.h"
#include "settingsfile.h"
#include "unitlimits.h"

namespace {

struct TextField
{
    QString SettingsRecord::*value;
    QLineEdit *Ui::MainWindow::*field;
};

// The settings kept in the line edits of the same name.
const TextField kTextFields[] = {
    {&SettingsRecord::companyName, &Ui::MainWindow::company_name},
    {&SettingsRecord::companyCity, &Ui::MainWindow::company_city},
    {&SettingsRecord::companyAddress, &Ui::MainWindow::company_address},
    {&SettingsRecord::companyPhone, &Ui::MainWindow::company_phone},
    {&SettingsRecord::companyWebsite, &Ui::MainWindow::company_website},
    {&SettingsRecord::deviceName, &Ui::MainWindow::device_name},
    {&SettingsRecord::deviceType, &Ui::MainWindow::device_type},
    {&SettingsRecord::deviceNumber, &Ui::MainWindow::device_number},
    {&SettingsRecord::deviceDocumentNumber, &Ui::MainWindow::device_document_number},
    {&SettingsRecord::reportOperator, &Ui::MainWindow::report_operator},
    {&SettingsRecord::reportDetailName, &Ui::MainWindow::report_detail_name},
    {&SettingsRecord::reportMaterial, &Ui::MainWindow::report_material},
    {&SettingsRecord::reportBatchNumber, &Ui::MainWindow::report_batch_number},
};

} // namespace

void MainWindow::createDefaultConfig()
{
    const QString path = configFilePath();
    if (QFile::exists(path))
        return;
    saveConfig(default_settings());
}

SettingsRecord MainWindow::loadConfig()
{
    createDefaultConfig();
    QFile file(configFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return SettingsRecord();
    return settings_from_json(file.readAll());
}

void MainWindow::saveConfig(const SettingsRecord &config)
{
    write_file_atomically(configFilePath(), settings_to_json(config));
}

void MainWindow::applyConfig(const SettingsRecord &config)
{
    for (const TextField &text : kTextFields)
        (ui->*text.field)->setText(config.*text.value);
    logo = imageFromBase64(config.logoImage);
    applyFontSize(this, config.appFontSize);
    ui->limits_min->setValue(config.limitsMin);
    ui->limits_max->setValue(config.limitsMax);
    // As the boxes hold them: one decimal, within their range.
    UnitLimits pairs = config.unitLimits;
    pairs.insert(QString(), {ui->limits_min->value(), ui->limits_max->value()});
    measurements.setUnitLimits(pairs);
    ui->comments_text->setPlainText(config.comments);
}

SettingsRecord MainWindow::collectConfig(SettingsRecord config) const
{
    for (const TextField &text : kTextFields)
        config.*text.value = (ui->*text.field)->text();
    config.logoImage = imageToBase64(logo);
    config.appFontSize = font().pointSize();
    const Limits plain = measurements.limitsOfUnit(QString());
    config.limitsMin = plain.min;
    config.limitsMax = plain.max;
    config.unitLimits = measurements.unitLimits();
    config.unitLimits.remove(QString());
    config.comments = ui->comments_text->toPlainText();
    config.language = language;
    return config;
}
