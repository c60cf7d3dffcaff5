#include "readingsarchive.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

ArchivedReading read_archived(const QFileInfo &info)
{
    ArchivedReading archived;
    archived.path = info.absoluteFilePath();
    archived.size = info.size();
    archived.modified = info.lastModified();
    ParsedReading parsed = read_reading_file(archived.path);
    archived.readable = parsed.error == ReadingError::None;
    if (archived.readable) {
        archived.reading = std::move(parsed.reading);
        for (const Block &block : std::as_const(archived.reading.blocks))
            archived.valueCount += int(block.values.size());
    }
    return archived;
}

bool newest_first(const ArchivedReading &a, const ArchivedReading &b)
{
    if (a.readable != b.readable)
        return a.readable;
    if (a.readable && a.reading.readAt != b.reading.readAt)
        return a.reading.readAt > b.reading.readAt;
    return a.path < b.path;
}

} // namespace

QVector<ArchivedReading> list_readings(const QString &folder, const QHash<QString, ArchivedReading> &known)
{
    QVector<ArchivedReading> readings;
    if (folder.isEmpty())
        return readings;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable | QDir::Hidden);
    readings.resize(files.size());
    QVector<int> unknown;
    for (int i = 0; i < files.size(); ++i) {
        const QFileInfo &info = files.at(i);
        const auto found = known.constFind(info.absoluteFilePath());
        if (found != known.constEnd() && found->size == info.size() && found->modified == info.lastModified())
            readings[i] = *found;
        else
            unknown.append(i);
    }
    // Reading and parsing is nearly all the time of a first listing; the files are
    // independent, so every core takes its share.
    ArchivedReading *const places = readings.data();
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int n = next++; n < unknown.size(); n = next++)
            places[unknown.at(n)] = read_archived(files.at(unknown.at(n)));
    };
    const int helpers = std::min(QThread::idealThreadCount(), int(unknown.size() / 16 + 1)) - 1;
    std::vector<std::thread> threads;
    for (int t = 0; t < helpers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &thread : threads)
        thread.join();
    std::sort(readings.begin(), readings.end(), newest_first);
    return readings;
}

const QVector<ArchivedReading> &ReadingsArchive::list(const QString &folder)
{
    take(list_readings(folder, byPath));
    return listed;
}

void ReadingsArchive::take(const QVector<ArchivedReading> &readings)
{
    listed = readings;
    // Files gone from the folder leave the cache too.
    byPath.clear();
    for (const ArchivedReading &archived : readings)
        byPath.insert(archived.path, archived);
}

QString reading_time_text(const QDateTime &readAt)
{
    return QLocale::system().toString(readAt.toLocalTime(), QLocale::ShortFormat);
}

QString archived_reading_title(const ArchivedReading &archived)
{
    return archived.readable ? reading_time_text(archived.reading.readAt) : QFileInfo(archived.path).fileName();
}

QString archived_block_names(const ArchivedReading &archived)
{
    QStringList names;
    names.reserve(archived.reading.blocks.size());
    for (const Block &block : archived.reading.blocks)
        names << block.name;
    return names.join(QStringLiteral(", "));
}

QString cut_names(const QString &names, int length)
{
    if (names.size() <= length)
        return names;
    return names.left(length) + QChar(0x2026);
}

bool archived_reading_matches(const ArchivedReading &archived, const QString &typed)
{
    return archived_reading_title(archived).contains(typed, Qt::CaseInsensitive)
           || archived_block_names(archived).contains(typed, Qt::CaseInsensitive);
}

QStringList archived_block_name_list(const QVector<ArchivedReading> &readings)
{
    QSet<QString> seen;
    for (const ArchivedReading &archived : readings) {
        for (const Block &block : archived.reading.blocks)
            seen.insert(block.name);
    }
    QStringList names(seen.begin(), seen.end());
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return names;
}
