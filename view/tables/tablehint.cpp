#include "tablehint.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLabel>

TableHint::TableHint(QAbstractItemView *view)
    : QObject(view)
    , viewport(view->viewport())
    , label(new QLabel(view->viewport()))
{
    label->setObjectName(QStringLiteral("table_hint"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    viewport->installEventFilter(this);
}

void TableHint::setText(const QString &text)
{
    label->setText(text);
}

QString TableHint::text() const
{
    return label->text();
}

void TableHint::setShown(bool shown)
{
    label->setVisible(shown);
    if (shown)
        place();
}

bool TableHint::isShown() const
{
    return !label->isHidden();
}

void TableHint::place()
{
    label->setGeometry(viewport->rect());
}

bool TableHint::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}
