#ifndef REPORTFORMPANEL_H
#define REPORTFORMPANEL_H

#include <QImage>
#include <QWidget>

#include "reportdata.h"

struct SettingsRecord;

QT_BEGIN_NAMESPACE
namespace Ui { class ReportFormPanel; }
QT_END_NAMESPACE

// The right column: the company, report and instrument data, the logo and the
// comments that head and end a report, scrolling when the column is short.
class ReportFormPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ReportFormPanel(QWidget *parent = nullptr);
    ~ReportFormPanel() override;

    // The fields kept in the settings file, under the names of their line edits.
    void applySettings(const SettingsRecord &record);
    void collectSettings(SettingsRecord &record) const;

    const QImage &logo() const { return logoImage; }
    void setLogo(const QImage &image);
    // Without a logo: asks for an image file and shows it, or says it cannot be read.
    // With one: removes it.
    void addOrRemoveLogo();

    // The entries under their section headings, as the form captions them now.
    ReportData formData() const;
    QString commentsCaption() const;
    QString comments() const;

    void retranslate();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void sizeLogoLabel();
    void showLogo();

    Ui::ReportFormPanel *ui;
    QImage logoImage;

    friend struct PanelAccess;
};

#endif // REPORTFORMPANEL_H
