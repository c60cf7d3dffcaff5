#include "reportexport.h"

#include <QThread>

ReportExport::ReportExport(QObject *parent)
    : QObject(parent)
{
}

ReportExport::~ReportExport()
{
    waitQuietly();
}

void ReportExport::start(const ReportModel &model, const QString &fileName, const Writer &writer)
{
    start(fileName, [model, fileName, writer] {
        ReportModel report = model;
        report.finishPlots();
        return writer(report, fileName);
    });
}

void ReportExport::start(const QString &fileName, const Job &job)
{
    finish();
    target = fileName;
    ok = false;
    worker = QThread::create([this, job] { ok = job(); });
    // A run already ended by finish() must not end the next one.
    const int run = ++runs;
    connect(worker, &QThread::finished, this, [this, run] {
        if (run == runs)
            complete(true);
    });
    emit started();
    worker->start();
}

void ReportExport::finish()
{
    if (!worker)
        return;
    worker->wait();
    complete(true);
}

void ReportExport::waitQuietly()
{
    if (!worker)
        return;
    worker->wait();
    complete(false);
}

void ReportExport::complete(bool announce)
{
    if (!worker)
        return; // finished already, through finish()
    delete worker;
    worker = nullptr;
    if (announce)
        emit finished(target, ok);
}
