#include "readings.h"

#include <QDateTime>

#include "atomicwrite.h"
#include "measurementmodel.h"
#include "readingfile.h"
#include "settingsfile.h"

Readings::Readings(MeasurementModel &model)
    : model(model)
{
}

Readings::Kept Readings::keep_reading(const QString &port) const
{
    if (model.blocks().isEmpty())
        return Kept::Nothing;
    Reading reading;
    reading.readAt = QDateTime::currentDateTime();
    reading.port = port;
    reading.blocks = model.blocks();
    const QString folder = readings_folder_path();
    if (!folder.isEmpty() && write_file_atomically(free_reading_path(folder, reading.readAt), reading_to_json(reading)))
        return Kept::Written;
    return Kept::Failed;
}

bool Readings::open_reading(const QString &path)
{
    const ParsedReading parsed = read_reading_file(path);
    if (parsed.error != ReadingError::None)
        return false;
    model.setBlocks(parsed.reading.blocks);
    return true;
}
