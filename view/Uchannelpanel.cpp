#include "view/Uchannelpanel.h"

#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "files/Calarmevaluator.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "view/Fdraw.h"
#include "view/Fviewchannel.h"

#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>
#include <QTableWidget>

TChannelPanel::TChannelPanel(QWidget* parent) : QDockWidget(tr("Channels"), parent) {
    setObjectName("dockChannels");
    tblChannels = new QTableWidget(0, 5, this);
    tblChannels->setObjectName("tblChannels");
    tblChannels->setHorizontalHeaderLabels(
        {tr("Channel"), tr("Unit"), tr("In use"), tr("Value"), tr("Alarm")});
    tblChannels->verticalHeader()->hide();
    // The columns are sized to their contents and the panel to the columns:
    // nothing hides behind a scroll bar.
    tblChannels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblChannels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblChannels->setSelectionMode(QAbstractItemView::NoSelection);
    setWidget(tblChannels);
    connect(tblChannels, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (FFilling || item->column() != ColChannel)
            return;
        emit channelToggled(item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
    });
}

QTableWidgetItem* TChannelPanel::ItemAt(int row, int column) {
    // Items are kept and changed in place: a check box that the user just
    // ticked must not be deleted under its own signal.
    QTableWidgetItem* item = tblChannels->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(column == ColChannel ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                                            : Qt::ItemIsEnabled);
        if (column == ColValue)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblChannels->setItem(row, column, item);
    }
    return item;
}

std::vector<int> TChannelPanel::RowOrder(const MonthDocument& document) {
    std::vector<int> order;
    for (int pass = 0; pass < 2; ++pass) {
        for (int ch = 0; ch < ChannelCount; ++ch) {
            const bool used = HeaderChannel(document.header, ch).active != 0;
            if (used == (pass == 0))
                order.push_back(ch);
        }
    }
    return order;
}

void TChannelPanel::ShowDocument(const MonthDocument* document) {
    FFilling = true;
    tblChannels->setRowCount(document ? ChannelCount : 0);
    FRowChannel = document ? RowOrder(*document) : std::vector<int>();
    FRowUsed.assign(FRowChannel.size(), false);
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    const QBrush text = palette().brush(QPalette::Active, QPalette::Text);
    for (int row = 0; row < int(FRowChannel.size()); ++row) {
        const int ch = FRowChannel[row];
        const ChannelDef c = HeaderChannel(document->header, ch);
        const bool used = c.active != 0;
        FRowUsed[size_t(row)] = used;
        const QColor colour = ChannelColour(c.colourChoice);
        QTableWidgetItem* name = ItemAt(row, ColChannel);
        name->setText(QString("%1 %2").arg(ch + 1).arg(FromAnsi(c.name)));
        name->setData(Qt::UserRole, ch);
        name->setCheckState(document->display.channelVisible[ch] ? Qt::Checked : Qt::Unchecked);
        name->setData(Qt::DecorationRole, colour);
        name->setForeground(used ? QBrush(colour) : grey);
        ItemAt(row, ColUnit)->setText(FromAnsi(c.dimension));
        ItemAt(row, ColInUse)->setText(used ? tr("yes") : tr("no"));
        ItemAt(row, ColValue)->setText(QString());
        for (int col : {ColUnit, ColInUse, ColValue})
            ItemAt(row, col)->setForeground(used ? text : grey);
    }
    ColourValues();
    FitColumns();
    FFilling = false;
}

void TChannelPanel::MarkStale(const QString& time) {
    if (time == FStaleTime)
        return;
    FStaleTime = time;
    ColourValues();
    FitColumns();
}

void TChannelPanel::ColourValues() {
    tblChannels->horizontalHeaderItem(ColValue)->setText(
        FStaleTime.isEmpty() ? tr("Value") : tr("Value at %1").arg(FStaleTime));
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    const QBrush text = palette().brush(QPalette::Active, QPalette::Text);
    for (int row = 0; row < int(FRowChannel.size()); ++row) {
        const bool used = FRowUsed[size_t(row)];
        ItemAt(row, ColValue)->setForeground(used && FStaleTime.isEmpty() ? text : grey);
    }
}

void TChannelPanel::FitColumns() {
    tblChannels->resizeColumnsToContents();
    int width = 2 * tblChannels->frameWidth();
    for (int col = 0; col < tblChannels->columnCount(); ++col)
        width += tblChannels->isColumnHidden(col) ? 0 : tblChannels->columnWidth(col);
    width += tblChannels->verticalScrollBar()->sizeHint().width();
    if (tblChannels->minimumWidth() < width)
        tblChannels->setMinimumWidth(width);
}

int TChannelPanel::RowOfChannel(int channel) const {
    for (int row = 0; row < int(FRowChannel.size()); ++row) {
        if (FRowChannel[row] == channel)
            return row;
    }
    return -1;
}

void TChannelPanel::ShowCursor(const MonthDocument* document, int slot) {
    if (!document || tblChannels->rowCount() != ChannelCount)
        return;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const int row = RowOfChannel(ch);
        if (row < 0)
            continue;
        QTableWidgetItem* value = ItemAt(row, ColValue);
        const QByteArray text = slot < 0 ? QByteArray() : CursorValueText(*document, ch, slot);
        value->setText(FromAnsi(text));
    }
    FitColumns();
}

QString TChannelPanel::AlarmStatusText(int status) {
    switch (status) {
    case ChannelInAlarm:
        return tr("alarm");
    case ChannelLatched:
        return tr("latched");
    case ChannelAcknowledged:
        return tr("acknowledged");
    default:
        return tr("normal");
    }
}

QColor TChannelPanel::AlarmStatusColour(int status) {
    switch (status) {
    case ChannelInAlarm:
        return QColor(255, 80, 80);
    case ChannelLatched:
        return QColor(255, 170, 60);
    case ChannelAcknowledged:
        return QColor(255, 230, 120);
    default:
        return QColor();
    }
}

void TChannelPanel::ShowAlarmStatus(const TAlarmEvaluator* alarms) {
    // The column shows only where limits are set or alarms stand.
    bool any = false;
    for (int ch = 0; alarms && ch < ChannelCount; ++ch)
        any =
            any || alarms->Limits()[size_t(ch)].AnyLimit() || alarms->StatusOf(ch) != ChannelNormal;
    tblChannels->setColumnHidden(ColAlarm, !any);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const int row = RowOfChannel(ch);
        if (row < 0)
            continue;
        QTableWidgetItem* item = ItemAt(row, ColAlarm);
        const bool watched = alarms && alarms->Limits()[size_t(ch)].AnyLimit();
        const int status = alarms ? alarms->StatusOf(ch) : ChannelNormal;
        item->setText(watched || status != ChannelNormal ? AlarmStatusText(status) : QString());
        const QColor colour = AlarmStatusColour(status);
        item->setBackground(colour.isValid() ? QBrush(colour) : QBrush());
    }
    FitColumns();
}
