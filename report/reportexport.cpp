#include "reportexport.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>
#include <QUrl>

#include "savefailurebox.h"

ReportExport::ReportExport(QStatusBar *statusBar, const QList<QAbstractButton *> &buttons, QObject *parent)
    : QObject(parent)
    , statusBar(statusBar)
{
    for (QAbstractButton *button : buttons)
        this->buttons << button;
    progress = new QProgressBar(statusBar);
    progress->setObjectName(QStringLiteral("export_progress"));
    progress->setRange(0, 0); // busy: a report has no steps worth counting
    progress->setMaximumWidth(160);
    progress->setTextVisible(false);
    progress->hide();
    statusBar->addPermanentWidget(progress);
}

ReportExport::~ReportExport()
{
    if (worker) {
        worker->wait();
        delete worker;
    }
}

void ReportExport::start(const ReportModel &model, const QString &fileName, const Writer &writer)
{
    finish();
    wasEnabled.clear();
    for (const QPointer<QAbstractButton> &button : qAsConst(buttons)) {
        wasEnabled << (button && button->isEnabled());
        if (button)
            button->setEnabled(false);
    }
    if (statusBar)
        statusBar->showMessage(QCoreApplication::translate("MainWindow", "Сохранение отчёта…"));
    if (progress)
        progress->show();

    target = fileName;
    ok = false;
    worker = QThread::create([this, model, fileName, writer] {
        ReportModel report = model;
        report.finishPlots();
        ok = writer(report, fileName);
    });
    // A run already ended by finish() must not end the next one.
    const int run = ++runs;
    connect(worker, &QThread::finished, this, [this, run] {
        if (run == runs)
            complete(true);
    });
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
    if (progress)
        progress->hide();
    if (statusBar)
        statusBar->clearMessage();
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons.at(i))
            buttons.at(i)->setEnabled(wasEnabled.value(i));
    if (announce) {
        if (ok)
            QDesktopServices::openUrl(QUrl::fromLocalFile(target));
        else
            show_save_failure_box();
    }
    emit finished(ok);
}
