#include "readingsarchivedialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "atomicwrite.h"
#include "blockhistoryplot.h"
#include "csvtable.h"
#include "historytablemodel.h"
#include "measurementmodel.h"
#include "readingsarchivetablemodel.h"

namespace {

QTableView *sorted_table(QAbstractItemModel *model, const QString &name, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    // Widths from the first hundred rows: their texts are as wide as the rest, and measuring
    // thousands of them held an opening for a tenth of a second.
    view->horizontalHeader()->setResizeContentsPrecision(100);
    view->setSortingEnabled(true);
    return view;
}

QPushButton *button(const QString &name, QWidget *parent)
{
    auto *pushButton = new QPushButton(parent);
    pushButton->setObjectName(name);
    // Enter in the filter or a table must not press one.
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

ReadingsArchiveDialog::ReadingsArchiveDialog(const MeasurementModel &model, const QString &folder, QWidget *parent)
    : QDialog(parent)
    , model(model)
    , folder(folder)
{
    setObjectName(QStringLiteral("readings_archive_dialog"));
    setModal(false);

    archiveModel = new ReadingsArchiveTableModel(this);
    filtered = new ReadingsArchiveFilter(this);
    filtered->setSourceModel(archiveModel);
    filtered->setSortRole(ReadingsArchiveTableModel::SortRole);
    filtered->setSortLocaleAware(true);
    auto *archivePage = new QWidget;
    archiveView = sorted_table(filtered, QStringLiteral("readings_archive_table"), archivePage);
    archiveView->sortByColumn(0, Qt::DescendingOrder);
    filter = new QLineEdit(archivePage);
    filter->setObjectName(QStringLiteral("readings_archive_filter"));
    filter->setClearButtonEnabled(true);
    open = button(QStringLiteral("readings_archive_open"), archivePage);
    reload = button(QStringLiteral("readings_archive_refresh"), archivePage);
    connect(filter, &QLineEdit::textChanged, filtered, &ReadingsArchiveFilter::setTyped);
    connect(archiveView, &QTableView::doubleClicked, this, &ReadingsArchiveDialog::openSelected);
    connect(open, &QPushButton::clicked, this, &ReadingsArchiveDialog::openSelected);
    connect(reload, &QPushButton::clicked, this, &ReadingsArchiveDialog::refresh);
    auto *archiveTop = new QHBoxLayout;
    archiveTop->addWidget(filter, 1);
    archiveTop->addWidget(reload);
    archiveTop->addWidget(open);
    auto *archiveLayout = new QVBoxLayout(archivePage);
    archiveLayout->addLayout(archiveTop);
    archiveLayout->addWidget(archiveView);

    historyPage = new QWidget;
    historyPage->setObjectName(QStringLiteral("block_history"));
    names = new QComboBox(historyPage);
    names->setObjectName(QStringLiteral("block_history_name"));
    names->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    plot = new BlockHistoryPlot(historyPage);
    plot->setMinimumHeight(200);
    historyModel = new HistoryTableModel(this);
    historySorted = new QSortFilterProxyModel(this);
    historySorted->setSourceModel(historyModel);
    historySorted->setSortRole(HistoryTableModel::SortRole);
    historySorted->setSortLocaleAware(true);
    historyView = sorted_table(historySorted, QStringLiteral("block_history_table"), historyPage);
    historyView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder); // oldest first until clicked
    exportCsv = button(QStringLiteral("block_history_export_csv"), historyPage);
    connect(names, &QComboBox::currentTextChanged, this, &ReadingsArchiveDialog::updateHistory);
    connect(historyView, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const QModelIndex source = historySorted->mapToSource(index);
        if (source.isValid() && source.row() < points.size())
            emit readingRequested(points.at(source.row()).path, points.at(source.row()).blockIndex);
    });
    connect(exportCsv, &QPushButton::clicked, this, &ReadingsArchiveDialog::exportHistory);
    auto *historyTop = new QHBoxLayout;
    historyTop->addWidget(names);
    historyTop->addStretch();
    historyTop->addWidget(exportCsv);
    auto *split = new QSplitter(Qt::Vertical, historyPage);
    split->addWidget(plot);
    split->addWidget(historyView);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto *historyLayout = new QVBoxLayout(historyPage);
    historyLayout->addLayout(historyTop);
    historyLayout->addWidget(split);

    tabs = new QTabWidget(this);
    tabs->addTab(archivePage, QString());
    tabs->addTab(historyPage, QString());
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (historyStale)
            updateHistory();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    resize(860, 560);

    for (const auto changed : {&MeasurementModel::limitsShownChanged, &MeasurementModel::limitValuesChanged})
        connect(&model, changed, this, [this] {
            if (isVisible())
                updateHistory();
        });
    retranslate();
}

void ReadingsArchiveDialog::setExportPlace(std::function<QString()> folder,
                                           std::function<void(const QString &)> chosen, std::function<void()> failed)
{
    exportFolder = std::move(folder);
    exportChosen = std::move(chosen);
    saveFailed = std::move(failed);
}

void ReadingsArchiveDialog::openArchive()
{
    refresh();
    if (model.hasShownBlock() && names->findText(model.shownBlock().name) >= 0)
        names->setCurrentText(model.shownBlock().name);
    show();
    raise();
    activateWindow();
}

void ReadingsArchiveDialog::refresh()
{
    archive.list(folder);
    archiveModel->setReadings(archive.readings());
    archiveView->resizeColumnsToContents();
    fillNames();
    updateHistory();
}

void ReadingsArchiveDialog::fillNames()
{
    const QString chosen = names->currentText();
    const QSignalBlocker blocker(names);
    names->clear();
    names->addItems(archived_block_name_list(archive.readings()));
    names->setCurrentIndex(std::max(0, names->findText(chosen)));
}

void ReadingsArchiveDialog::openSelected()
{
    const QModelIndex index = filtered->mapToSource(archiveView->currentIndex());
    if (index.isValid())
        emit readingRequested(archiveModel->reading(index.row()).path, -1);
}

void ReadingsArchiveDialog::updateHistory()
{
    // Thousands of blocks in the statistics, the table and the plot: worked out when seen.
    historyStale = tabs->currentWidget() != historyPage;
    if (historyStale)
        return;
    const QString name = names->currentText();
    const Limits limits = history_limits(model, name);
    points = name.isEmpty() ? QVector<HistoryPoint>() : block_history(archive.readings(), name, limits);
    historyModel->setTable(history_table(points, limits.shown));
    historyView->resizeColumnsToContents();
    plot->draw(points, limits);
    exportCsv->setEnabled(!points.isEmpty());
}

void ReadingsArchiveDialog::exportHistory()
{
    const QString name = names->currentText();
    // Taken at the click: the file dialog runs the event loop.
    const QByteArray csv = summary_csv(historyModel->table(), CsvFormat::forLocale(QLocale::system()));
    const QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("MainWindow", "Сохранить историю в CSV"),
        (exportFolder ? exportFolder() : QString()) + history_file_name(name, QDate::currentDate()),
        QStringLiteral("(*.csv)"));
    if (path.isEmpty())
        return;
    if (exportChosen)
        exportChosen(path);
    if (!write_file_atomically(path, csv) && saveFailed)
        saveFailed();
}

void ReadingsArchiveDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ReadingsArchiveDialog::retranslate()
{
    setWindowTitle(QCoreApplication::translate("MainWindow", "Архив измерений"));
    tabs->setTabText(0, QCoreApplication::translate("MainWindow", "Показания"));
    tabs->setTabText(1, QCoreApplication::translate("MainWindow", "История блока"));
    filter->setPlaceholderText(QCoreApplication::translate("MainWindow", "Поиск по блокам и дате"));
    open->setText(QCoreApplication::translate("MainWindow", "Открыть"));
    reload->setText(QCoreApplication::translate("MainWindow", "Обновить"));
    exportCsv->setText(QCoreApplication::translate("MainWindow", "Сохранить в CSV"));
    archiveModel->retranslate();
    updateHistory();
}
