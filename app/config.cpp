#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::createDefaultConfig() {}
QJsonObject MainWindow::loadConfig() { return {}; }
void MainWindow::saveConfig(const QJsonObject &) {}
void MainWindow::applyConfig(const QJsonObject &) {}
QJsonObject MainWindow::collectConfig(QJsonObject config) const { return config; }
