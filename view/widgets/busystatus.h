#ifndef BUSYSTATUS_H
#define BUSYSTATUS_H

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QProgressBar;
class QStatusBar;

// While the window waits for work that runs on beside it (a report being
// written): a message and a busy bar in the status bar, and buttons held
// disabled, which get back their states at the end.
class BusyStatus : public QObject
{
    Q_OBJECT

public:
    // The busy bar, hidden until begin(), goes into the bar under progressName.
    BusyStatus(QStatusBar *bar, const QString &progressName, const QList<QAbstractButton *> &buttons,
               QObject *parent = nullptr);

    void begin(const QString &message);
    void end();

private:
    QPointer<QStatusBar> bar;
    QPointer<QProgressBar> progress;
    QList<QPointer<QAbstractButton>> buttons;
    QList<bool> wasEnabled;
};

#endif // BUSYSTATUS_H
