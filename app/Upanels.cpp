#include "app/Upanels.h"

#include "files/Fmonthfile.h"
#include "view/Uchannelpanel.h"
#include "view/Uchildbase.h"
#include "view/Urangepanel.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

TPanels::TPanels(QMainWindow* window) {
    FChannels = new TChannelPanel(window);
    window->addDockWidget(Qt::RightDockWidgetArea, FChannels);
    FRange = new TRangePanel(window);
    window->addDockWidget(Qt::BottomDockWidgetArea, FRange);
    FRangeStatus = new QLabel(window);
    FRangeStatus->setObjectName("lblRangeStatus");
    window->statusBar()->addPermanentWidget(FRangeStatus);
}

void TPanels::ShowWindow(TfmChildBase* w, const TAlarmEvaluator* alarms) {
    const MonthDocument* document = w ? &w->Document() : nullptr;
    FChannels->ShowDocument(document);
    FChannels->ShowAlarmStatus(alarms);
    ShowNewestValues(w);
    FRange->ShowRange(document);
    FRangeStatus->setText(FRange->Summary());
}

void TPanels::ShowAlarmStatus(const TAlarmEvaluator* alarms) {
    FChannels->ShowAlarmStatus(alarms);
}

void TPanels::ShowCursor(MonthDocument& document, int slot) {
    FChannels->ShowCursor(&document, slot);
}

void TPanels::ShowData(TfmChildBase* w) {
    ShowNewestValues(w);
    FRange->ShowRange(&w->Document());
    FRangeStatus->setText(FRange->Summary());
}

void TPanels::ShowNewestValues(TfmChildBase* w) {
    if (!w || w->Tag != 1 || w->CursorActive())
        return;
    const int newest = int(HeaderEndSlot(w->Document().header)) - 1;
    if (newest >= 0)
        FChannels->ShowCursor(&w->Document(), newest);
}
