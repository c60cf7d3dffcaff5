#ifndef DEMOINSTRUMENT_H
#define DEMOINSTRUMENT_H

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class InstrumentEmulator;
class Port;
class QAction;
class QMenu;

// Help → Demo instrument (Unix): the instrument emulator, run in this process
// on a pseudo-terminal at the wire's speed and offered to the port monitor
// beside the system's ports. Checking the entry plugs it in and unchecking it
// pulls it out, so the link finds and loses it as it would a real instrument.
class DemoInstrument : public QObject
{
    Q_OBJECT

public:
    // Adds the entry last to the Help menu.
    DemoInstrument(QMenu *helpMenu, Port &port, QObject *parent);
    ~DemoInstrument() override;

    QAction *action() const { return entry; }

    // What an operator's first three clicks do: read, double-click the first
    // block, tick the limits.
    void setFirstClicks(std::function<void()> clicks) { firstClicks = std::move(clicks); }
    // Plugs the instrument in and, once the link has recognised it, does the first clicks.
    void showFirstBlock();

    void retranslate();

private:
    void setPlugged(bool plugged);

    std::function<void()> firstClicks;
    Port &port;
    QAction *entry;
    std::unique_ptr<InstrumentEmulator> emulator;
    QString lastPath;
};

#endif // DEMOINSTRUMENT_H
