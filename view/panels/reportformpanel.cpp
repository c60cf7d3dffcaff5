#include "reportformpanel.h"
#include "ui_reportformpanel.h"

#include <QDate>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QTimer>

#include "settingsrecord.h"

namespace {

struct TextField
{
    QString SettingsRecord::*value;
    QLineEdit *Ui::ReportFormPanel::*field;
};

// The settings kept in the line edits of the same name.
const TextField kTextFields[] = {
    {&SettingsRecord::companyName, &Ui::ReportFormPanel::company_name},
    {&SettingsRecord::companyCity, &Ui::ReportFormPanel::company_city},
    {&SettingsRecord::companyAddress, &Ui::ReportFormPanel::company_address},
    {&SettingsRecord::companyPhone, &Ui::ReportFormPanel::company_phone},
    {&SettingsRecord::companyWebsite, &Ui::ReportFormPanel::company_website},
    {&SettingsRecord::deviceName, &Ui::ReportFormPanel::device_name},
    {&SettingsRecord::deviceType, &Ui::ReportFormPanel::device_type},
    {&SettingsRecord::deviceNumber, &Ui::ReportFormPanel::device_number},
    {&SettingsRecord::deviceDocumentNumber, &Ui::ReportFormPanel::device_document_number},
    {&SettingsRecord::reportOperator, &Ui::ReportFormPanel::report_operator},
    {&SettingsRecord::reportDetailName, &Ui::ReportFormPanel::report_detail_name},
    {&SettingsRecord::reportMaterial, &Ui::ReportFormPanel::report_material},
    {&SettingsRecord::reportBatchNumber, &Ui::ReportFormPanel::report_batch_number},
};

} // namespace

ReportFormPanel::ReportFormPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ReportFormPanel)
{
    ui->setupUi(this);
    ui->report_date_edit->setDate(QDate::currentDate());
    connect(ui->logo_action, &QPushButton::clicked, this, &ReportFormPanel::addOrRemoveLogo);
    retranslate();
    // The logo label is sized from report_number's width, which is known only once
    // the layout has run, that is from the event loop.
    QTimer::singleShot(1, this, [this] { sizeLogoLabel(); });
}

ReportFormPanel::~ReportFormPanel()
{
    delete ui;
}

void ReportFormPanel::applySettings(const SettingsRecord &record)
{
    for (const TextField &text : kTextFields)
        (ui->*text.field)->setText(record.*text.value);
    ui->comments_text->setPlainText(record.comments);
}

void ReportFormPanel::collectSettings(SettingsRecord &record) const
{
    for (const TextField &text : kTextFields)
        record.*text.value = (ui->*text.field)->text();
    record.comments = ui->comments_text->toPlainText();
}

void ReportFormPanel::setLogo(const QImage &image)
{
    logoImage = image;
    showLogo();
    ui->logo_action->setText(logoImage.isNull() ? tr("Добавить логотип") : tr("Удалить"));
}

void ReportFormPanel::addOrRemoveLogo()
{
    if (!logoImage.isNull()) {
        setLogo(QImage());
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("Images (*.png *.jpg *.jpeg *.bmp)"));
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        QMessageBox::warning(this, QStringLiteral("Error"), QStringLiteral("Failed to load the image."), QMessageBox::Ok);
        return;
    }
    setLogo(image);
}

ReportData ReportFormPanel::formData() const
{
    ReportData data;
    const QString company = ui->company_data_label->text();
    const QString report = ui->report_data_label->text();
    const QString device = ui->device_data_label->text();
    data.entries = {
        {ui->company_name_label->text(), ui->company_name->text(), company},
        {ui->company_city_label->text(), ui->company_city->text(), company},
        {ui->company_address_label->text(), ui->company_address->text(), company},
        {ui->company_phone_label->text(), ui->company_phone->text(), company},
        {ui->company_website_label->text(), ui->company_website->text(), company},
        {ui->report_number_label->text(), ui->report_number->text(), report},
        {ui->report_date_edit_label->text(), ui->report_date_edit->date().toString(QStringLiteral("dd.MM.yyyy")),
         report},
        {ui->report_operator_label->text(), ui->report_operator->text(), report},
        {ui->report_detail_name_label->text(), ui->report_detail_name->text(), report},
        {ui->report_material_label->text(), ui->report_material->text(), report},
        {ui->report_batch_number_label->text(), ui->report_batch_number->text(), report},
        {ui->device_name_label->text(), ui->device_name->text(), device},
        {ui->device_type_label->text(), ui->device_type->text(), device},
        {ui->device_number_label->text(), ui->device_number->text(), device},
        {ui->device_document_number_label->text(), ui->device_document_number->text(), device},
    };
    data.reportNumber = ui->report_number->text();
    data.operatorName = ui->report_operator->text();
    return data;
}

QString ReportFormPanel::commentsCaption() const
{
    return ui->comments_label->text();
}

QString ReportFormPanel::comments() const
{
    return ui->comments_text->toPlainText();
}

void ReportFormPanel::retranslate()
{
    ui->retranslateUi(this);
    ui->logo_action->setText(logoImage.isNull() ? tr("Добавить логотип") : tr("Удалить"));
}

void ReportFormPanel::sizeLogoLabel()
{
    const int side = ui->report_number->width() / 2;
    ui->logotype->setGeometry(0, 0, side, side);
    ui->logotype->setMaximumWidth(side);
    ui->logotype->setMaximumHeight(side);
    ui->logotype->setAlignment(Qt::AlignCenter);
    showLogo();
}

void ReportFormPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showLogo();
}

void ReportFormPanel::showLogo()
{
    if (logoImage.isNull()) {
        ui->logotype->setPixmap(QPixmap());
        return;
    }
    ui->logotype->setPixmap(QPixmap::fromImage(logoImage).scaled(ui->logotype->size(), Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation));
}
