#ifndef VIEWTESTWINDOW_H
#define VIEWTESTWINDOW_H

#include <QDoubleSpinBox>
#include <QListWidget>
#include <QString>
#include <QVector>

#include "mainwindowaccess.h"
#include "panelfixture.h"

// Puts blocks into the window as a read would leave them, without an instrument.
inline void set_blocks(MainWindow &w, const QVector<Block> &blocks)
{
    MainWindowAccess::measurements(w).setBlocks(blocks);
}

// What a double click on a row does: the press makes the row current, then the signal fires.
inline void show_block(MainWindow &w, int row)
{
    QListWidget *list = MainWindowAccess::ui(w)->block_names_list;
    list->setCurrentRow(row);
    emit list->itemDoubleClicked(list->item(row));
}

inline void show_values(MainWindow &w, const QVector<float> &values)
{
    set_blocks(w, {Block(QStringLiteral("block"), values)});
    show_block(w, 0);
}

inline void set_limits(MainWindow &w, double lo, double hi, bool ticked)
{
    WindowForm *ui = MainWindowAccess::ui(w);
    type_limit(ui->limits_min, lo);
    type_limit(ui->limits_max, hi);
    ui->set_limits_checkbox->setChecked(ticked);
}

#endif // VIEWTESTWINDOW_H
