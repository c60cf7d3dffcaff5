#include "settingskeeper.h"

#include <QFile>

#include "measurementmodel.h"
#include "settingsfile.h"

SettingsKeeper::SettingsKeeper(MeasurementModel &model)
    : model(model)
{
}

void SettingsKeeper::createDefaultConfig() const
{
    if (!QFile::exists(configFilePath()))
        saveConfig(default_settings());
}

SettingsRecord SettingsKeeper::loadConfig() const
{
    createDefaultConfig();
    return read_settings_file();
}

bool SettingsKeeper::saveConfig(const SettingsRecord &config) const
{
    return write_settings_file(config);
}

// The two plain keys hold the pair of blocks without a unit.
void SettingsKeeper::applyConfig(const SettingsRecord &config)
{
    UnitLimits pairs = config.unitLimits;
    pairs.insert(QString(), {config.limitsMin, config.limitsMax});
    model.setUnitLimits(pairs);
}

SettingsRecord SettingsKeeper::collectConfig(SettingsRecord config) const
{
    const Limits plain = model.limitsOfUnit(QString());
    config.limitsMin = plain.min;
    config.limitsMax = plain.max;
    config.unitLimits = model.unitLimits();
    config.unitLimits.remove(QString());
    return config;
}
