#ifndef LINKSTATUS_H
#define LINKSTATUS_H

#include <QObject>
#include <QSerialPort>
#include <QString>

class Port;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;

// What the status bar says about the link and about a read in progress: the
// link's state at the right, and while a read runs its progress, its message
// and a button that stops it.
class LinkStatus : public QObject
{
    Q_OBJECT

public:
    LinkStatus(QStatusBar *bar, Port &port, QObject *parent = nullptr);

    void readStarted();
    // index counts from 0; the message counts from 1.
    void readingBlock(int index, int amount);
    void readEnded();
    // Stop was clicked during the current read.
    bool stopRequested() const { return stopped; }

    void retranslate();

private:
    enum class State { NotConnected, Looking, Connected, Denied };

    void setState(State next, const QString &portName = QString());
    void showProgress(int received, int expected);
    void showReadMessage();

    QStatusBar *bar;
    Port &port;
    QLabel *label;
    QProgressBar *progress;
    QPushButton *stop;

    State state = State::NotConnected;
    QString statePort;
    bool reading = false;
    bool stopped = false;
    int blockIndex = -1;
    int blockAmount = 0;
};

#endif // LINKSTATUS_H
