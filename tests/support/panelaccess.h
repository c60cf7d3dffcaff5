#ifndef PANELACCESS_H
#define PANELACCESS_H

#include "blockspanel.h"
#include "plotspanel.h"
#include "reportformpanel.h"
#include "ui_blockspanel.h"
#include "ui_plotspanel.h"
#include "ui_reportformpanel.h"
#include "ui_mainwindow.h"

// The panels' widgets and private state, for tests only.
struct PanelAccess
{
    static Ui::BlocksPanel *ui(BlocksPanel &panel) { return panel.ui; }
    static Ui::PlotsPanel *ui(PlotsPanel &panel) { return panel.ui; }
    static Ui::ReportFormPanel *ui(ReportFormPanel &panel) { return panel.ui; }
    static QImage &logo(ReportFormPanel &panel) { return panel.logoImage; }
    static void sizeLogoLabel(ReportFormPanel &panel) { panel.sizeLogoLabel(); }
};

// Every widget of the window under its object name, as one form: the window's own
// (menus, actions, status bar, columns) and those of its three panels.
struct WindowForm : Ui::MainWindow, Ui::BlocksPanel, Ui::PlotsPanel, Ui::ReportFormPanel
{
    WindowForm() = default;
    WindowForm(const Ui::MainWindow &window)
        : Ui::MainWindow(window)
        , Ui::BlocksPanel(*PanelAccess::ui(*window.blocks_column))
        , Ui::PlotsPanel(*PanelAccess::ui(*window.plots_column))
        , Ui::ReportFormPanel(*PanelAccess::ui(*window.report_form_panel))
    {
    }

    // As the window's form and the panels' do it: every text anew in the language now on.
    void retranslateUi(QMainWindow *window)
    {
        Ui::MainWindow::retranslateUi(window);
        Ui::BlocksPanel::retranslateUi(blocks_column);
        Ui::PlotsPanel::retranslateUi(plots_column);
        Ui::ReportFormPanel::retranslateUi(report_form_panel);
    }
};

// The window's form built on a bare main window, with the panels it holds.
inline WindowForm built_form(QMainWindow &window)
{
    Ui::MainWindow form;
    form.setupUi(&window);
    return WindowForm(form);
}

#endif // PANELACCESS_H
