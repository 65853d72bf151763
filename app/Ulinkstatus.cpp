#include "app/Ulinkstatus.h"

#include "comm/Cacquisitionservice.h"
#include "comm/Flinkstate.h"
#include "config/Ctablecolor.h"
#include "files/Cfileact.h"
#include "files/Fmonthfile.h"
#include "view/Uchannelpanel.h"
#include "view/Uchildbase.h"

#include <QLabel>
#include <QStatusBar>

TLinkStatus::TLinkStatus(QStatusBar* bar) : label(new QLabel(bar)) {
    label->setObjectName("lblLinkStatus");
    bar->addPermanentWidget(label);
}

void TLinkStatus::Update(LinkReport link, TfmChildAct* running, TChannelPanel* panel,
                         bool runningShown) {
    // Before the first record of this run, the newest minute the running
    // window's file holds.
    if (!link.hasRecord && running && running->FileAct() && running->FileAct()->opened) {
        const uint16_t end = HeaderEndSlot(running->Document().header);
        link.hasRecord = end > 0;
        link.lastRecord.minute = uint16_t(end > 0 ? end - 1 : 0);
    }
    const LinkState state = LinkStateOf(link);
    label->setText(LinkStateText(state));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(LinkStateColour(state)));
    label->setPalette(palette);
    if (running)
        running->ShowLinkState(state);
    if (panel)
        panel->MarkStale(runningShown && LinkStale(state) ? state.lastRecord : QString());
}
