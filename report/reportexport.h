#ifndef REPORTEXPORT_H
#define REPORTEXPORT_H

#include <QObject>
#include <QString>

#include <functional>

#include "reportmodel.h"

class QThread;

// Writes one report at a time away from the window's thread, from a model taken
// at the click: a block report, or any other document of the window.
class ReportExport : public QObject
{
    Q_OBJECT

public:
    using Writer = std::function<bool(const ReportModel &, const QString &)>;
    // Writes the file it was made for; false when it could not.
    using Job = std::function<bool()>;

    explicit ReportExport(QObject *parent = nullptr);
    // Waits quietly for a report still being written.
    ~ReportExport() override;

    // A report still being written is finished first.
    void start(const ReportModel &model, const QString &fileName, const Writer &writer);
    // Any document written at fileName, its data taken at the click, as a block report is.
    void start(const QString &fileName, const Job &job);
    bool isRunning() const { return worker != nullptr; }
    // Waits for the report being written, if any, and lets it end as usual.
    void finish();
    // Waits for the report being written, if any, and ends it without a word: for
    // a window that is closing, which opens nothing and shows nothing.
    void waitQuietly();

signals:
    void started();
    // ok: the whole report is at fileName.
    void finished(const QString &fileName, bool ok);

private:
    void complete(bool announce);

    QThread *worker = nullptr;
    int runs = 0;
    QString target;
    bool ok = false;
};

#endif // REPORTEXPORT_H
