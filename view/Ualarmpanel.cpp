#include "view/Ualarmpanel.h"

#include "config/Fforpeople.h"

#include "files/Calarmevaluator.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TAlarmPanel::TAlarmPanel(QWidget* parent) : QDockWidget(tr("Alarms"), parent) {
    setObjectName("dockAlarms");
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    tblAlarms = new QTableWidget(0, 7, box);
    tblAlarms->setObjectName("tblAlarms");
    tblAlarms->setHorizontalHeaderLabels({tr("Raised"), tr("Cleared"), tr("Channel"), tr("Kind"),
                                          tr("Limit"), tr("Peak"), tr("Acknowledged")});
    tblAlarms->verticalHeader()->hide();
    tblAlarms->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblAlarms->setSelectionBehavior(QAbstractItemView::SelectRows);
    btnAcknowledge = new QPushButton(tr("&Acknowledge"), box);
    btnAcknowledge->setObjectName("btnAcknowledge");
    btnAcknowledge->setEnabled(false);
    layout->addWidget(tblAlarms);
    layout->addWidget(btnAcknowledge);
    setWidget(box);
    connect(btnAcknowledge, &QPushButton::clicked, this, &TAlarmPanel::acknowledgeRequested);
}

void TAlarmPanel::ShowAlarms(const TAlarmEvaluator& alarms) {
    const std::vector<AlarmLogEntry>& all = alarms.Alarms();
    const int rows = std::min<int>(int(all.size()), MaxRows);
    tblAlarms->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const AlarmLogEntry& a = all[all.size() - 1 - size_t(row)];
        const QString ack =
            a.acknowledged.isEmpty()
                ? QString()
                : tr("%1 by %2")
                      .arg(StoredMinuteForPeople(a.acknowledged), a.by.isEmpty() ? "-" : a.by);
        const QStringList cells = {StoredMinuteForPeople(a.raised),
                                   StoredMinuteForPeople(a.cleared),
                                   QString("%1 %2").arg(a.channel).arg(a.name),
                                   AlarmKindText(a.kind),
                                   QString::fromLatin1(FormatAlarmValue(a.limit)) + ' ' + a.unit,
                                   QString::fromLatin1(FormatAlarmValue(a.peak)) + ' ' + a.unit,
                                   ack};
        for (int col = 0; col < int(cells.size()); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            // Not yet acknowledged: red, as the status bar's indicator.
            if (a.acknowledged.isEmpty())
                item->setForeground(QColor(Qt::red));
            tblAlarms->setItem(row, col, item);
        }
    }
    tblAlarms->resizeColumnsToContents();
    btnAcknowledge->setEnabled(alarms.UnacknowledgedCount() > 0);
}
