#ifndef REPORTEXPORT_H
#define REPORTEXPORT_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "reportmodel.h"

class QAbstractButton;
class QProgressBar;
class QStatusBar;
class QThread;

// Writes one report at a time away from the window's thread. Meanwhile the status
// bar says so with a busy bar and the given buttons are disabled; at the end they
// get back their state, and the finished file is opened by the desktop or the
// failure box is shown.
class ReportExport : public QObject
{
    Q_OBJECT

public:
    using Writer = std::function<bool(const ReportModel &, const QString &)>;

    ReportExport(QStatusBar *statusBar, const QList<QAbstractButton *> &buttons, QObject *parent = nullptr);
    ~ReportExport() override;

    // A report still being written is finished first.
    void start(const ReportModel &model, const QString &fileName, const Writer &writer);
    bool isRunning() const { return worker != nullptr; }
    // Waits for the report being written, if any, and lets it end as usual.
    void finish();
    // Waits for the report being written, if any, and only restores the window:
    // for a window that is closing, which opens nothing and shows nothing.
    void waitQuietly();

signals:
    void finished(bool ok);

private:
    void complete(bool announce);

    QPointer<QStatusBar> statusBar;
    QPointer<QProgressBar> progress;
    QList<QPointer<QAbstractButton>> buttons;
    QList<bool> wasEnabled;
    QThread *worker = nullptr;
    int runs = 0;
    QString target;
    bool ok = false;
};

#endif // REPORTEXPORT_H
