#include "tablecopy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTableWidget>

#include <algorithm>

TableCopy::TableCopy(QTableWidget *table)
    : QObject(table)
    , table(table)
{
    table->installEventFilter(this);
}

QString TableCopy::selectedTexts(const QTableWidget *table)
{
    QModelIndexList cells = table->selectionModel()->selectedIndexes();
    // Selection order is the order of the clicks; the screen's order is wanted.
    std::sort(cells.begin(), cells.end(), [](const QModelIndex &a, const QModelIndex &b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    QStringList texts;
    for (const QModelIndex &cell : qAsConst(cells))
        texts << cell.data(Qt::DisplayRole).toString();
    return texts.join(QLatin1Char('\n'));
}

bool TableCopy::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == table && (type == QEvent::ShortcutOverride || type == QEvent::KeyPress)
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        // Claimed before any window shortcut can take the keys.
        event->accept();
        if (type == QEvent::KeyPress && table->selectionModel()->hasSelection())
            QGuiApplication::clipboard()->setText(selectedTexts(table));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
