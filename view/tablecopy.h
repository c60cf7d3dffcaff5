#ifndef TABLECOPY_H
#define TABLECOPY_H

#include <QObject>
#include <QString>

class QAbstractItemView;

// Gives a table the standard Copy shortcut for all its selected cells: their texts as shown,
// one per line, top to bottom. (The view's own Copy takes the current cell only.)
class TableCopy : public QObject
{
    Q_OBJECT

public:
    // Lives as the table's child.
    explicit TableCopy(QAbstractItemView *table);

    static QString selectedTexts(const QAbstractItemView *table);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *table;
};

#endif // TABLECOPY_H
