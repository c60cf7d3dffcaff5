#include "linkstatus.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "port.h"

namespace {

// Steps of the bar per block, so that the bytes of one long block move it finely.
const int StepsPerBlock = 1000;

} // namespace

LinkStatus::LinkStatus(QStatusBar *bar, Port &port, QObject *parent)
    : QObject(parent)
    , bar(bar)
    , port(port)
    , label(new QLabel(bar))
    , progress(new QProgressBar(bar))
    , stop(new QPushButton(bar))
{
    label->setObjectName(QStringLiteral("link_status_label"));
    progress->setObjectName(QStringLiteral("read_progress"));
    progress->setTextVisible(false);
    progress->setMaximumWidth(200);
    stop->setObjectName(QStringLiteral("button_cancel_read"));
    // Permanent, so that the temporary read message does not hide them.
    bar->addPermanentWidget(progress);
    bar->addPermanentWidget(stop);
    bar->addPermanentWidget(label);
    progress->hide();
    stop->hide();

    connect(stop, &QPushButton::clicked, this, [this] {
        stopped = true;
        this->port.cancelRequest();
    });
    connect(&port, &Port::probeStarted, this, [this](const QString &name) { setState(State::Looking, name); });
    connect(&port, &Port::probeFailed, this, [this](const QString &name, QSerialPort::SerialPortError error) {
        setState(error == QSerialPort::PermissionError ? State::Denied : State::NotConnected, name);
    });
    connect(&port, &Port::validPortFound, this,
            [this] { setState(State::Connected, this->port.connectedPortName()); });
    connect(&port, &Port::validPortDisconnected, this, [this] { setState(State::NotConnected); });
    connect(&port, &Port::responseProgress, this, &LinkStatus::showProgress);

    retranslate();
}

void LinkStatus::readStarted()
{
    reading = true;
    stopped = false;
    blockIndex = -1;
    blockAmount = 0;
    progress->setRange(0, 0); // busy until the number of blocks is known
    progress->show();
    stop->show();
}

void LinkStatus::readingBlock(int index, int amount)
{
    blockIndex = index;
    blockAmount = amount;
    progress->setRange(0, amount * StepsPerBlock);
    progress->setValue(index * StepsPerBlock);
    showReadMessage();
}

void LinkStatus::readEnded()
{
    reading = false;
    blockIndex = -1;
    progress->hide();
    stop->hide();
    bar->clearMessage();
}

void LinkStatus::showProgress(int received, int expected)
{
    // A complete answer says nothing the next block's start does not; and a
    // slow name or size answer must not fill the block's share before its data.
    if (!reading || blockIndex < 0 || received >= expected)
        return;
    const qint64 within = qint64(received) * StepsPerBlock / expected;
    progress->setValue(qMax(progress->value(), blockIndex * StepsPerBlock + int(within)));
}

void LinkStatus::showReadMessage()
{
    if (reading && blockIndex >= 0)
        bar->showMessage(tr("Чтение блока %1 из %2…").arg(blockIndex + 1).arg(blockAmount));
}

void LinkStatus::setState(State next, const QString &portName)
{
    state = next;
    statePort = portName;
    retranslate();
}

void LinkStatus::retranslate()
{
    stop->setText(tr("Остановить"));
    switch (state) {
    case State::NotConnected:
        label->setText(tr("Прибор не подключён"));
        break;
    case State::Looking:
        label->setText(tr("Поиск прибора на %1…").arg(statePort));
        break;
    case State::Connected:
        label->setText(tr("Прибор подключён (%1)").arg(statePort));
        break;
    case State::Denied:
#ifdef Q_OS_WIN
        label->setText(tr("Порт %1 занят другой программой").arg(statePort));
#else
        label->setText(tr("Нет доступа к порту %1: добавьте пользователя в группу dialout").arg(statePort));
#endif
        break;
    }
    showReadMessage();
}
