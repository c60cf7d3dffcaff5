#ifndef READINGS_H
#define READINGS_H

#include <QString>

class MeasurementModel;

// The readings kept in the readings folder beside the settings file: every read that lists a
// block is written there once, under the time of the read, and any reading file is listed again
// as a read would list it.
class Readings
{
public:
    explicit Readings(MeasurementModel &model);

    enum class Kept { Nothing, Written, Failed };
    // The listed blocks as a new reading file, read just now through `port`; Nothing when the
    // list is empty.
    Kept keep_reading(const QString &port) const;
    // Lists the blocks of the reading at path; false, changing nothing, when the file holds none.
    bool open_reading(const QString &path);

private:
    MeasurementModel &model;
};

#endif // READINGS_H
