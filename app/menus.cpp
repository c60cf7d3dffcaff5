#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QTranslator>

void MainWindow::setup_menus(UiLanguage stored)
{
    auto *languages = new QActionGroup(this);
    languages->addAction(ui->actionRU);
    languages->addAction(ui->actionEN);
    // Closing as the title bar's button does, so the destructor saves the settings.
    ui->action_quit->setShortcuts(QKeySequence::Quit);
    connect(ui->action_quit, &QAction::triggered, this, &QWidget::close);
    toolkitTranslator = new QTranslator(this);
    switch_language(stored);
}
