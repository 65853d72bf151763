#include "app/Ulinkstatus.h"

#include "comm/Ccommbase.h"
#include "comm/Flinkstate.h"
#include "config/Ctablecolor.h"
#include "files/Cfileact.h"
#include "files/Fmonthfile.h"
#include "view/Uchannelpanel.h"
#include "view/Uchildbase.h"

#include <QLabel>
#include <QStatusBar>

TLinkStatus::TLinkStatus(const TEnv& env, QStatusBar* bar) : label(new QLabel(bar)), FEnv(env) {
    label->setObjectName("lblLinkStatus");
    bar->addPermanentWidget(label);
}

void TLinkStatus::Update(const TCommBase* comm, TfmChildAct* running, TChannelPanel* panel,
                         bool runningShown) {
    if (!comm)
        return;
    QString last;
    if (running && running->FileAct() && running->FileAct()->opened) {
        const int end = int(HeaderEndSlot(running->Document().header));
        if (end > 0)
            last = SlotClockText(end - 1);
    }
    const LinkState state = ReadLinkState(FEnv, *comm, last);
    label->setText(LinkStateText(state));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(LinkStateColour(state)));
    label->setPalette(palette);
    if (running)
        running->ShowLinkState(state);
    if (panel)
        panel->MarkStale(runningShown && LinkStale(state) ? last : QString());
}
