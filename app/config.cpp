#include "mainwindow.h"

#include <QFile>

#include "atomicwrite.h"
#include "fontsize.h"
#include "plotspanel.h"
#include "reportformpanel.h"
#include "settingsfile.h"
#include "unitlimits.h"
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
    form->applySettings(config);
    form->setLogo(imageFromBase64(config.logoImage));
    applyFontSize(this, config.appFontSize);
    plots->setTypedLimits(config.limitsMin, config.limitsMax);
    // As the boxes hold them: one decimal, within their range.
    UnitLimits pairs = config.unitLimits;
    pairs.insert(QString(), {plots->typedMin(), plots->typedMax()});
    measurements.setUnitLimits(pairs);
}

SettingsRecord MainWindow::collectConfig(SettingsRecord config) const
{
    form->collectSettings(config);
    config.logoImage = imageToBase64(form->logo());
    config.appFontSize = font().pointSize();
    const Limits plain = measurements.limitsOfUnit(QString());
    config.limitsMin = plain.min;
    config.limitsMax = plain.max;
    config.unitLimits = measurements.unitLimits();
    config.unitLimits.remove(QString());
    config.language = language;
    return config;
}
