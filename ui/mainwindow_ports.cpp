#include "mainwindow.h"

// Listing the serial ports, opening the chosen one, reporting port failures.

void MainWindow::on_newportconnection_requested() { }

void MainWindow::on_portcom_changed(int /*index*/) { }

void MainWindow::on_failure_detected(int /*code*/) { }
