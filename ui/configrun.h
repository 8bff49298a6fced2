// SPDX-License-Identifier: MIT
#ifndef LUMETRA_CONFIGRUN_H
#define LUMETRA_CONFIGRUN_H

#include <QString>
#include <QWidget>

class DialogHost;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTimer;

// The connection panel: clock, port choice, connection status and record list.
class ConfigRun : public QWidget
{
    Q_OBJECT
public:
    // winversion is accepted and not used; dialogs must outlive the panel.
    ConfigRun(QWidget *parent, double winversion, double sx, double sy, DialogHost &dialogs);
    ConfigRun(QWidget *parent, double winversion, double sx, double sy);
    ~ConfigRun() override;

    // DISCONNECTED on red or CONNECTED on cyan.
    void showPortConnected(bool connected);

    QFrame *Panel_Status;
    QFrame *Panel_List;
    QLabel *Label_Title;
    QLabel *Label_ListTitle;
    QLabel *Label_Date_text;
    QLabel *Label_Hour_text;
    QTimer *Timer_Clock;
    QListWidget *List_Records;
    QLabel *Label_Config_port_status;
    QLineEdit *Edit_PortStatus;
    QLabel *Label_Config_mpo_port_com;
    QComboBox *Combo_PortCom;

    // Both empty until the first clock tick.
    QString exportTimeText; // MM-dd-yyyy  hh:mm:ss, the export time of arriving records
    QString fileTimeStamp; // MM_dd_yyyy_hh_mm_ss, for suggested archive names
    QListWidgetItem *displayedItem = nullptr; // owned by List_Records; set by the record display

signals:
    void updateListOfPortRequested_sig();

private slots:
    void on_portcom_selected(int index);
    void showTime();

private:
    DialogHost *dialogs;
};

#endif
