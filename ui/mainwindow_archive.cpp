#include "mainwindow.h"

// Saving the record collection to an archive file and loading one.

bool MainWindow::saveFile()
{
    return false;
}

bool MainWindow::loadFile()
{
    return false;
}
