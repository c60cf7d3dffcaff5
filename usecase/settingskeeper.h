#ifndef SETTINGSKEEPER_H
#define SETTINGSKEEPER_H

#include "settingsrecord.h"

class MeasurementModel;

// config.json, and the part of it the model holds: the limits of each unit. The window applies
// the rest of a record to what it shows, and collects it back from there.
class SettingsKeeper
{
public:
    explicit SettingsKeeper(MeasurementModel &model);

    // Writes the defaults where there is no file yet.
    void createDefaultConfig() const;
    // The file's record, the defaults first written where there is none; an empty record when it
    // cannot be read.
    SettingsRecord loadConfig() const;
    // Put in place only once complete: false, the old file kept, when it cannot be written.
    bool saveConfig(const SettingsRecord &config) const;

    // The record's limits go to the model, which holds them as the limit boxes would.
    void applyConfig(const SettingsRecord &config);
    // The record with the model's limits.
    SettingsRecord collectConfig(SettingsRecord config) const;

private:
    MeasurementModel &model;
};

#endif // SETTINGSKEEPER_H
