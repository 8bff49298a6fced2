// SPDX-License-Identifier: MIT
#include "listofuid.h"

#include "recordverdict.h"
#include "reportfont.h"
#include "scaledlayout.h"

#include <QBrush>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStringList>
#include <QStyle>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QTextEdit>

namespace {
constexpr int columnCount = 6;
}

ListOfUID::ListOfUID(QWidget *parent, double /*winversion*/, double sx, double sy)
    : QDialog(parent)
{
    // Before any child exists: children with style sheets take their font once.
    setFont(fittingReportFont(font(), sx, sy));
    const ScaledLayout s { sx, sy };

    Panel_Header = addSunkenPanel(this, "Panel_Header", s.rect(5, 5, 590, 200));
    Label_Title = addBoxedTitle(this, "Label_Title", tr("Test Report"), s.rect(180, 10, 220, 48),
        QStringLiteral("font: 30pt;"));

    Label_Logo = addLabel(this, "Label_Logo", QString(), s.rect(500, 15, 80, 38));
    Label_Logo->setPixmap(QPixmap(QStringLiteral(":/images/Tavolin.png")));
    Label_Logo->setScaledContents(true);

    Label_Company = addLabel(this, "Label_Company", tr("Company: "), s.rect(15, 70, 75, 32));
    Edit_Company = addLineEdit(this, "Edit_Company", s.rect(90, 75, 190, 20), false);
    Label_Operator = addLabel(this, "Label_Operator", tr("Operator: "), s.rect(330, 70, 70, 32));
    Edit_Operator = addLineEdit(this, "Edit_Operator", s.rect(400, 75, 190, 20), false);
    Label_TestDevice
        = addLabel(this, "Label_TestDevice", tr("Test Device: "), s.rect(15, 90, 75, 32));
    Edit_TestDevice = addLineEdit(this, "Edit_TestDevice", s.rect(90, 95, 190, 20), false);
    Label_TestDate = addLabel(this, "Label_TestDate", tr("Test Date: "), s.rect(330, 90, 70, 32));
    Edit_TestDate = addLineEdit(this, "Edit_TestDate", s.rect(400, 95, 190, 20), false);
    Label_SerialNumber
        = addLabel(this, "Label_SerialNumber", tr("Serial Number: "), s.rect(15, 110, 75, 32));
    Edit_SerialNumber = addLineEdit(this, "Edit_SerialNumber", s.rect(90, 115, 190, 20), false);
    Label_ExportTime
        = addLabel(this, "Label_ExportTime", tr("Export Time: "), s.rect(330, 110, 70, 32));
    Edit_ExportTime = addLineEdit(this, "Edit_ExportTime", s.rect(400, 115, 190, 20), false);
    Label_FileNumber = addLabel(this, "Label_FileNumber", tr("Record: "), s.rect(515, 155, 45, 32));
    Edit_FileNumber = addLineEdit(this, "Edit_FileNumber", s.rect(560, 160, 30, 20), true);
    Label_Polarity = addLabel(this, "Label_Polarity", tr("Polarity: "), s.rect(515, 175, 45, 32));
    Edit_Polarity = addLineEdit(this, "Edit_Polarity", s.rect(560, 180, 30, 20), true);
    Label_Comment = addLabel(this, "Label_Comment", tr("Note: "), s.rect(15, 140, 75, 32));

    Edit_Comment = new QTextEdit(this);
    Edit_Comment->setObjectName(QStringLiteral("Edit_Comment"));
    Edit_Comment->setGeometry(s.rect(90, 140, 410, 60));
    Edit_Comment->setAcceptRichText(true);
    Edit_Comment->setAlignment(Qt::AlignLeft);

    buildFiberTable(sx, sy);

    // After the page's own fields: their order, also the keyboard's, stays.
    Label_CableId = addLabel(this, "Label_CableId", tr("Cable ID:"), s.rect(15, 15, 60, 20));
    Edit_CableId = addLineEdit(this, "Edit_CableId", s.rect(15, 35, 160, 20), true);
    showCableId(QString());

    setWindowFlags(Qt::CustomizeWindowHint);
}

ListOfUID::~ListOfUID() = default;

void ListOfUID::buildFiberTable(double sx, double sy)
{
    const ScaledLayout s { sx, sy };

    remoteDevices = new QTableWidget(this);
    remoteDevices->setObjectName(QStringLiteral("remoteDevices"));
    remoteDevices->setGeometry(s.rect(5, 220, 590, 401));
    remoteDevices->setColumnCount(columnCount);
    remoteDevices->setRowCount(0);
    remoteDevices->setHorizontalHeaderLabels({ tr("FIBER #"), tr("Wavelength"),
        QStringLiteral("dBm"), QStringLiteral("dB"), tr("P/F Val(dB)"), tr("Pass/Fail") });

    remoteDevices->verticalHeader()->setVisible(false);
    remoteDevices->verticalHeader()->setCascadingSectionResizes(false);
    QHeaderView *header = remoteDevices->horizontalHeader();
    header->setCascadingSectionResizes(true);
    header->setDefaultSectionSize(80);
    header->setStretchLastSection(true);
    for (int column = 0; column < columnCount - 1; ++column)
        remoteDevices->setColumnWidth(column, s.x(80));
    remoteDevices->setColumnWidth(columnCount - 1, s.x(100));

    remoteDevices->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    remoteDevices->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    remoteDevices->setAlternatingRowColors(true);
    remoteDevices->setShowGrid(true);
    remoteDevices->setWordWrap(false);
    remoteDevices->setDropIndicatorShown(false);
    remoteDevices->setSelectionMode(QAbstractItemView::SingleSelection);
    remoteDevices->setSelectionBehavior(QAbstractItemView::SelectRows);
    remoteDevices->setEditTriggers(QAbstractItemView::DoubleClicked);

    connect(remoteDevices, &QTableWidget::cellClicked, this, &ListOfUID::on_cellClicked);
}

void ListOfUID::addtablerow()
{
    const int row = remoteDevices->rowCount();
    remoteDevices->insertRow(row);
    remoteDevices->blockSignals(true);
    for (int column = 0; column < columnCount; ++column) {
        auto *item = new QTableWidgetItem(QString());
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setTextAlignment(Qt::AlignCenter);
        remoteDevices->setItem(row, column, item);
    }
    remoteDevices->blockSignals(false);
}

void ListOfUID::showCableId(const QString &cableId, bool pending)
{
    const QString text = pending ? tr("ID pending") : cableId;
    Label_CableId->setVisible(!text.isEmpty());
    Edit_CableId->setVisible(!text.isEmpty());
    QFont shown = font();
    shown.setItalic(pending);
    // The room the edit leaves its text: its frame, and 2 px of its own each side.
    const int frame = Edit_CableId->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int room = Edit_CableId->width() - 2 * frame - 4;
    while (QFontMetrics(shown).horizontalAdvance(text) > room && shown.pointSizeF() > 7.0)
        shown.setPointSizeF(qMax(7.0, shown.pointSizeF() - 0.5));
    const QString fitting = QFontMetrics(shown).elidedText(text, Qt::ElideRight, room);
    Edit_CableId->setFont(shown);
    Edit_CableId->setText(fitting);
    Edit_CableId->setCursorPosition(0);
    Edit_CableId->setToolTip(fitting == text ? QString() : text);
}

void ListOfUID::updatetablevalue(int row, int column, QString text)
{
    if (QTableWidgetItem *cell = remoteDevices->item(row, column))
        cell->setText(text);
}

void ListOfUID::updatetablevalueandcolor(int row, int column, QString text)
{
    QTableWidgetItem *cell = remoteDevices->item(row, column);
    if (!cell)
        return;
    cell->setText(text);
    if (const std::optional<Qt::GlobalColor> color = verdictColor(verdictOfText(text)))
        cell->setForeground(QBrush(*color));
}

void ListOfUID::on_cellClicked(int /*row*/, int /*column*/) { }
