#include "busystatus.h"

#include <QAbstractButton>
#include <QProgressBar>
#include <QStatusBar>

#include <utility>

BusyStatus::BusyStatus(QStatusBar *bar, const QString &progressName, const QList<QAbstractButton *> &buttons,
                       QObject *parent)
    : QObject(parent)
    , bar(bar)
{
    for (QAbstractButton *button : buttons)
        this->buttons << button;
    progress = new QProgressBar(bar);
    progress->setObjectName(progressName);
    progress->setRange(0, 0); // busy: no steps worth counting
    progress->setMaximumWidth(160);
    progress->setTextVisible(false);
    progress->hide();
    bar->addPermanentWidget(progress);
}

void BusyStatus::begin(const QString &message)
{
    wasEnabled.clear();
    for (const QPointer<QAbstractButton> &button : std::as_const(buttons)) {
        wasEnabled << (button && button->isEnabled());
        if (button)
            button->setEnabled(false);
    }
    if (bar)
        bar->showMessage(message);
    if (progress)
        progress->show();
}

void BusyStatus::end()
{
    if (progress)
        progress->hide();
    if (bar)
        bar->clearMessage();
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons.at(i))
            buttons.at(i)->setEnabled(wasEnabled.value(i));
}
