#ifndef PANELFIXTURE_H
#define PANELFIXTURE_H

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QString>
#include <QVector>

#include "measurementmodel.h"
#include "panelaccess.h"

// The blocks and the plots panel over one model, side by side, without the window.
struct Panels
{
    MeasurementModel model;
    QWidget host;
    BlocksPanel *blocks = new BlocksPanel;
    PlotsPanel *plots = new PlotsPanel;

    Panels()
    {
        auto *layout = new QHBoxLayout(&host);
        layout->addWidget(blocks);
        layout->addWidget(plots);
        blocks->setModel(&model);
        plots->setModel(&model);
    }
};

// The two panels' widgets under their object names.
struct PanelForm : Ui::BlocksPanel, Ui::PlotsPanel
{
    explicit PanelForm(Panels &panels)
        : Ui::BlocksPanel(*PanelAccess::ui(*panels.blocks))
        , Ui::PlotsPanel(*PanelAccess::ui(*panels.plots))
    {
    }
};

inline void set_blocks(Panels &p, const QVector<Block> &blocks)
{
    p.model.setBlocks(blocks);
}

// What a double click on a row does: the press makes the row current, then the signal fires.
inline void show_block(Panels &p, int row)
{
    QListWidget *list = PanelAccess::ui(*p.blocks)->block_names_list;
    list->setCurrentRow(row);
    emit list->itemDoubleClicked(list->item(row));
}

inline void show_values(Panels &p, const QVector<float> &values)
{
    set_blocks(p, {Block(QStringLiteral("block"), values)});
    show_block(p, 0);
}

// A limit or a plot range typed into its box, which is then left.
inline void type_limit(QDoubleSpinBox *box, double value)
{
    box->setValue(value);
    emit box->editingFinished();
}

inline void set_limits(Panels &p, double lo, double hi, bool ticked)
{
    Ui::PlotsPanel *ui = PanelAccess::ui(*p.plots);
    type_limit(ui->limits_min, lo);
    type_limit(ui->limits_max, hi);
    ui->set_limits_checkbox->setChecked(ticked);
}

#endif // PANELFIXTURE_H
