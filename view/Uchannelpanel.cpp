#include "view/Uchannelpanel.h"

#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "view/Fdraw.h"
#include "view/Fviewchannel.h"

#include <QHeaderView>
#include <QPalette>
#include <QTableWidget>

TChannelPanel::TChannelPanel(QWidget* parent) : QDockWidget("Channels", parent) {
    setObjectName("dockChannels");
    tblChannels = new QTableWidget(0, 4, this);
    tblChannels->setObjectName("tblChannels");
    tblChannels->setHorizontalHeaderLabels({"Channel", "Unit", "In use", "Value"});
    tblChannels->verticalHeader()->hide();
    tblChannels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblChannels->setSelectionMode(QAbstractItemView::NoSelection);
    setWidget(tblChannels);
    connect(tblChannels, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (FFilling || item->column() != ColChannel)
            return;
        emit channelToggled(item->row(), item->checkState() == Qt::Checked);
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

void TChannelPanel::ShowDocument(const MonthDocument* document) {
    FFilling = true;
    tblChannels->setRowCount(document ? ChannelCount : 0);
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    const QBrush text = palette().brush(QPalette::Active, QPalette::Text);
    for (int ch = 0; document && ch < ChannelCount; ++ch) {
        const ChannelDef c = HeaderChannel(document->header, ch);
        const bool used = c.active != 0;
        const QColor colour = ChannelColour(c.colourChoice);
        QTableWidgetItem* name = ItemAt(ch, ColChannel);
        name->setText(QString("%1 %2").arg(ch + 1).arg(FromAnsi(c.name)));
        name->setCheckState(document->display.channelVisible[ch] ? Qt::Checked : Qt::Unchecked);
        name->setData(Qt::DecorationRole, colour);
        name->setForeground(used ? QBrush(colour) : grey);
        ItemAt(ch, ColUnit)->setText(FromAnsi(c.dimension));
        ItemAt(ch, ColInUse)->setText(used ? "yes" : "no");
        ItemAt(ch, ColValue)->setText(QString());
        for (int col : {ColUnit, ColInUse, ColValue})
            ItemAt(ch, col)->setForeground(used ? text : grey);
    }
    tblChannels->resizeColumnsToContents();
    FFilling = false;
}

void TChannelPanel::ShowCursor(const MonthDocument* document, int slot) {
    if (!document || tblChannels->rowCount() != ChannelCount)
        return;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        QTableWidgetItem* value = ItemAt(ch, ColValue);
        const QByteArray text = slot < 0 ? QByteArray() : CursorValueText(*document, ch, slot);
        value->setText(FromAnsi(text));
    }
}
