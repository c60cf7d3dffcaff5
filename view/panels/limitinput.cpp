#include "limitinput.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>

DecimalSeparatorKeys::DecimalSeparatorKeys(QDoubleSpinBox *box)
    : QObject(box)
    , box(box)
{
    box->installEventFilter(this);
}

bool DecimalSeparatorKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == box && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString point = box->locale().decimalPoint();
        const QString text = key->text();
        if ((text == QLatin1String(",") || text == QLatin1String(".")) && text != point) {
            // Typed as the box's own separator; the other would be taken for a group separator and dropped.
            QKeyEvent own(QEvent::KeyPress, key->key() == Qt::Key_Comma ? Qt::Key_Period : Qt::Key_Comma,
                          key->modifiers(), point);
            QCoreApplication::sendEvent(box, &own);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void mark_limit_order(QDoubleSpinBox *minBox, QDoubleSpinBox *maxBox, bool ordered, const QString &toolTip)
{
    for (QDoubleSpinBox *box : {minBox, maxBox}) {
        box->setStyleSheet(ordered ? QString() : QStringLiteral("QDoubleSpinBox { border: 2px solid red; }"));
        box->setToolTip(ordered ? QString() : toolTip);
    }
}
