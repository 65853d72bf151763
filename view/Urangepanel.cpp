#include "view/Urangepanel.h"

#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "view/Fdraw.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QStringList Columns() {
    return {TRangePanel::tr("Channel"), TRangePanel::tr("Unit"),       TRangePanel::tr("Start"),
            TRangePanel::tr("End"),     TRangePanel::tr("Difference"), TRangePanel::tr("Minimum"),
            TRangePanel::tr("Maximum"), TRangePanel::tr("Mean"),       TRangePanel::tr("Std dev"),
            TRangePanel::tr("Counted")};
}

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

TRangePanel::TRangePanel(QWidget* parent) : QDockWidget(tr("Range"), parent) {
    setObjectName("dockRange");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    lblRange = new QLabel(body);
    lblRange->setObjectName("lblRange");
    lblRange->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRange->setWordWrap(true);
    tblRange = new QTableWidget(0, int(Columns().size()), body);
    tblRange->setObjectName("tblRange");
    tblRange->setHorizontalHeaderLabels(Columns());
    tblRange->verticalHeader()->hide();
    tblRange->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lblWithoutData = new QLabel(body);
    lblWithoutData->setObjectName("lblWithoutData");
    btnCopy = new QPushButton(tr("Copy"), body);
    btnCopy->setObjectName("btnCopy");
    btnCopy->setToolTip(tr("Puts the table on the clipboard as tab-separated text"));
    connect(btnCopy, &QPushButton::clicked, this, &TRangePanel::CopyTable);
    layout->addWidget(lblRange);
    layout->addWidget(tblRange, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblWithoutData, 1);
    bottom->addWidget(btnCopy);
    layout->addLayout(bottom);
    setWidget(body);
    ShowRange(nullptr);
}

void TRangePanel::ShowRange(const MonthDocument* document) {
    tblRange->setRowCount(0);
    FSummary.clear();
    FTable.clear();
    if (!document || !document->display.BothMarks()) {
        lblRange->setText(tr("Set both marks (hold the right mouse button, click the left one) "
                             "to read the figures of the range between them."));
        lblWithoutData->clear();
        btnCopy->setEnabled(false);
        return;
    }
    const MonthDisplay& d = document->display;
    const TRangeStats stats =
        RangeStatistics(*document, d.markStart, d.markEnd, ReadoutChannels(*document));
    FSummary = RangeSummaryText(*document, stats);
    FTable = RangeStatsTable(*document, stats);
    lblRange->setText(tr("Start: %1   End: %2   Duration: %3")
                          .arg(SlotTimeForPeople(*document, stats.from),
                               SlotTimeForPeople(*document, stats.to),
                               DurationText(stats.to - stats.from)));
    int without = 0;
    tblRange->setRowCount(int(stats.channels.size()));
    for (int r = 0; r < int(stats.channels.size()); ++r) {
        const TChannelStats& c = stats.channels[r];
        without = std::max(without, c.withoutData);
        QTableWidgetItem* name =
            Cell(QString("%1 %2").arg(c.channel + 1).arg(FromAnsi(c.name)), false);
        name->setData(Qt::DecorationRole, ChannelColour(c.colourChoice));
        name->setForeground(ChannelColour(c.colourChoice));
        const QStringList values = QStringList{FromAnsi(c.unit)} + FigureTexts(c) +
                                   QStringList{tr("%1 of %2").arg(c.counted).arg(stats.minutes)};
        tblRange->setItem(r, 0, name);
        for (int k = 0; k < int(values.size()); ++k)
            tblRange->setItem(r, k + 1, Cell(values[k], k > 0));
    }
    tblRange->resizeColumnsToContents();
    lblWithoutData->setText(without > 0 ? WithoutDataText(without) : QString());
    btnCopy->setEnabled(true);
}

void TRangePanel::CopyTable() {
    if (!FTable.isEmpty())
        QGuiApplication::clipboard()->setText(FTable);
}
