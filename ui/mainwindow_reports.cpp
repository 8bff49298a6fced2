#include "mainwindow.h"

// PDF reports of the record shown and of every record.

void MainWindow::printFile() { }

void MainWindow::printAll() { }
