// SPDX-License-Identifier: MIT
#ifndef LUMETRA_LISTOFUID_H
#define LUMETRA_LISTOFUID_H

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTextEdit;

// The report page of one record: header fields above the twelve-row fiber table.
// The main window fills and reads the widgets directly; PDF reports capture the page.
class ListOfUID : public QDialog
{
    Q_OBJECT
public:
    // winversion is accepted for symmetry with the panel and not used.
    ListOfUID(QWidget *parent, double winversion, double sx, double sy);
    ~ListOfUID() override;

    // Appends a row of six empty, centred, selectable cells that no editor can open.
    void addtablerow();

    // The record's cable ID in the header's free corner, or "ID pending"
    // until the store gives it; hidden for a record without one, so that its
    // page is what it always was. An ID too long for its field is shown
    // smaller, down to 7 points, then cut, whole in its tip.
    void showCableId(const QString &cableId, bool pending = false);

    QFrame *Panel_Header;
    QLabel *Label_Title;
    QLabel *Label_Logo;
    QLabel *Label_Company;
    QLineEdit *Edit_Company;
    QLabel *Label_Operator;
    QLineEdit *Edit_Operator;
    QLabel *Label_TestDevice;
    QLineEdit *Edit_TestDevice;
    QLabel *Label_TestDate;
    QLineEdit *Edit_TestDate;
    QLabel *Label_SerialNumber;
    QLineEdit *Edit_SerialNumber;
    QLabel *Label_ExportTime;
    QLineEdit *Edit_ExportTime;
    QLabel *Label_FileNumber;
    QLineEdit *Edit_FileNumber;
    QLabel *Label_Polarity;
    QLineEdit *Edit_Polarity;
    QLabel *Label_Comment;
    QTextEdit *Edit_Comment;
    QTableWidget *remoteDevices;
    QLabel *Label_CableId;
    QLineEdit *Edit_CableId;

public slots:
    // Both ignore a cell that does not exist.
    void updatetablevalue(int row, int column, QString text);
    // PASS turns the text blue and FAIL red; any other text leaves the colour alone.
    void updatetablevalueandcolor(int row, int column, QString text);

signals:
    void ready_for_config_sig();
    void set_stop_tracking_sig(QString, QString);

private slots:
    void on_cellClicked(int row, int column);

private:
    void buildFiberTable(double sx, double sy);
};

#endif
