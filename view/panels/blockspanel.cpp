#include "blockspanel.h"
#include "ui_blockspanel.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "blocktablemodel.h"
#include "measurementmodel.h"
#include "tablecopy.h"
#include "tablehint.h"
#include "toleranceassessment.h"

BlocksPanel::BlocksPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::BlocksPanel)
{
    ui->setupUi(this);
    table = new BlockTableModel(this);
    ui->table_block_data->setModel(table);
    ui->table_block_data->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->table_block_data->horizontalHeader()->hide();
    new TableCopy(ui->table_block_data);
    hint = new TableHint(ui->table_block_data);
    hint->setShown(true);
    // The boxes' lowest value, below any statistic they are given, reads "—": no block, no figure.
    for (QDoubleSpinBox *box : {ui->min_box, ui->max_box, ui->mean_box, ui->stdev_box}) {
        box->setMinimum(box->minimum() - 1);
        box->setSpecialValueText(no_figure_text());
    }
    ui->block_names_list->installEventFilter(this); // Enter shows the current row
    connect(ui->block_names_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { showBlockOfRow(ui->block_names_list->row(item)); });
    connect(ui->button_read_data, &QPushButton::clicked, this, &BlocksPanel::readRequested);
    connect(ui->button_export_to_PDF, &QPushButton::clicked, this, [this] { emit exportRequested(ReportFormat::Pdf); });
    connect(ui->button_export_to_excel, &QPushButton::clicked, this,
            [this] { emit exportRequested(ReportFormat::Workbook); });
    retranslate();
}

BlocksPanel::~BlocksPanel()
{
    delete ui;
}

void BlocksPanel::setModel(MeasurementModel *measurements)
{
    model = measurements;
    connect(model, &MeasurementModel::blocksChanged, this, &BlocksPanel::fillList);
    connect(model, &MeasurementModel::shownBlockChanged, this, &BlocksPanel::showShownBlock);
    for (const auto changed : {&MeasurementModel::limitsShownChanged, &MeasurementModel::limitValuesChanged})
        connect(model, changed, this, [this] { table->highlight(model->limits()); });
    fillList();
}

void BlocksPanel::showBlockOfRow(int row)
{
    // A row the list has but the blocks not is passed by.
    if (model && model->showBlock(row))
        ui->block_names_list->setCurrentRow(row);
}

// A read and an opened reading alike: the list is filled anew, and nothing of the old
// one stays on screen until a block of the new one is shown.
void BlocksPanel::fillList()
{
    setReportsEnabled(false);
    ui->block_names_list->clear();
    for (const Block &block : model->blocks())
        ui->block_names_list->addItem(block.name);
    table->setValues({});
    hint->setShown(true);
    showStatistics();
}

void BlocksPanel::showShownBlock()
{
    const QVector<float> &values = model->shownBlock().values;
    table->setValues(values);
    hint->setShown(false);
    table->highlight(model->limits());
    showStatistics();
    setReportsEnabled(!values.isEmpty());
}

void BlocksPanel::showStatistics()
{
    const BlockStatistics &statistics = model->statistics();
    const std::pair<QDoubleSpinBox *, double> boxes[] = {{ui->min_box, double(statistics.minimum)},
                                                         {ui->max_box, double(statistics.maximum)},
                                                         {ui->mean_box, statistics.mean},
                                                         {ui->stdev_box, statistics.stdev}};
    // No values, no figures: the boxes' lowest value reads "—".
    for (const auto &[box, figure] : boxes)
        box->setValue(statistics.count > 0 ? figure : box->minimum());
}

void BlocksPanel::setReportsEnabled(bool enabled)
{
    ui->button_export_to_PDF->setEnabled(enabled);
    ui->button_export_to_excel->setEnabled(enabled);
}

void BlocksPanel::setReadEnabled(bool enabled)
{
    ui->button_read_data->setEnabled(enabled);
}

bool BlocksPanel::readEnabled() const
{
    return ui->button_read_data->isEnabled();
}

void BlocksPanel::beginRead()
{
    setReadEnabled(false);
    setReportsEnabled(false);
}

QList<QAbstractButton *> BlocksPanel::buttons() const
{
    return {ui->button_read_data, ui->button_export_to_PDF, ui->button_export_to_excel};
}

StatisticsCaptions BlocksPanel::statisticsCaptions() const
{
    return {ui->stats_label->text(), ui->min_label->text(), ui->max_label->text(), ui->mean_label->text(),
            ui->stdev_label->text()};
}

void BlocksPanel::retranslate()
{
    ui->retranslateUi(this);
    hint->setText(tr("Дважды щёлкните блок в списке"));
}

bool BlocksPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->block_names_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // As a double click does; the view alone would only report the row activated.
            showBlockOfRow(ui->block_names_list->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
