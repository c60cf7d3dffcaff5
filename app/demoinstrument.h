#ifndef DEMOINSTRUMENT_H
#define DEMOINSTRUMENT_H

#include <QObject>
#include <QString>

#include <memory>

class InstrumentEmulator;
class Port;
class QAction;

QT_BEGIN_NAMESPACE
namespace Ui { class MainWindow; }
QT_END_NAMESPACE

// Help → Demo instrument (Unix): the instrument emulator, run in this process
// on a pseudo-terminal at the wire's speed and offered to the port monitor
// beside the system's ports. Checking the entry plugs it in and unchecking it
// pulls it out, so the link finds and loses it as it would a real instrument.
class DemoInstrument : public QObject
{
    Q_OBJECT

public:
    // Adds the entry last to the form's Help menu.
    DemoInstrument(Ui::MainWindow *ui, Port &port, QObject *parent);
    ~DemoInstrument() override;

    QAction *action() const { return entry; }

    // Plugs the instrument in and, once the link has recognised it, does an
    // operator's first three clicks: read, double-click the first block, tick
    // the limits.
    void showFirstBlock();

private:
    void retranslate();
    void setPlugged(bool plugged);
    void clickThrough();

    Ui::MainWindow *ui;
    Port &port;
    QAction *entry;
    std::unique_ptr<InstrumentEmulator> emulator;
    QString lastPath;
};

#endif // DEMOINSTRUMENT_H
