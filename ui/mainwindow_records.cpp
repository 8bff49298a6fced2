#include "mainwindow.h"

// The record list and the record display.

void MainWindow::on_file_transfer() { }

void MainWindow::on_file_ready(uint /*status*/) { }

void MainWindow::on_file_open() { }

void MainWindow::new_listRec_to_display(QListWidgetItem * /*item*/) { }

void MainWindow::itemSelectionChanged_onList() { }

void MainWindow::clearAll() { }

void MainWindow::clearSingle() { }
