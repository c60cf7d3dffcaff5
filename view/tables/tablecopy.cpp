#include "tablecopy.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>
#include <utility>

TableCopy::TableCopy(QAbstractItemView *table)
    : QObject(table)
    , table(table)
{
    table->installEventFilter(this);
}

QString TableCopy::selectedTexts(const QAbstractItemView *table)
{
    QModelIndexList cells = table->selectionModel()->selectedIndexes();
    // Selection order is the order of the clicks; the screen's order is wanted.
    std::sort(cells.begin(), cells.end(), [](const QModelIndex &a, const QModelIndex &b) {
        return a.row() != b.row() ? a.row() < b.row() : a.column() < b.column();
    });
    QStringList texts;
    for (const QModelIndex &cell : std::as_const(cells)) {
        const QVariant copied = cell.data(CopyTextRole);
        texts << (copied.isValid() ? copied : cell.data(Qt::DisplayRole)).toString();
    }
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
