#ifndef PANELACCESS_H
#define PANELACCESS_H

#include "blockspanel.h"
#include "plotspanel.h"
#include "reportformpanel.h"
#include "ui_blockspanel.h"
#include "ui_plotspanel.h"
#include "ui_reportformpanel.h"

// The panels' widgets and private state, for tests only.
struct PanelAccess
{
    static Ui::BlocksPanel *ui(BlocksPanel &panel) { return panel.ui; }
    static Ui::PlotsPanel *ui(PlotsPanel &panel) { return panel.ui; }
    static Ui::ReportFormPanel *ui(ReportFormPanel &panel) { return panel.ui; }
    static QImage &logo(ReportFormPanel &panel) { return panel.logoImage; }
    static void sizeLogoLabel(ReportFormPanel &panel) { panel.sizeLogoLabel(); }
};

#endif // PANELACCESS_H
