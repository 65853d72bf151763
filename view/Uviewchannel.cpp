#include "view/Uviewchannel.h"

#include "config/Cconfig.h"
#include "config/Ctablecolor.h"
#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "view/Fdraw.h"
#include "view/Fviewchannel.h"

#include <QFrame>
#include <QLabel>

TfmViewChannel* fmViewChannel = nullptr;

TfmViewChannel::TfmViewChannel(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("fmViewChannel");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(NamedFont("MS Sans Serif", 8));
    resize(ClientWidth, ClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, ToQColor(Config ? Config->backgroundColour : 0xFFFFFF));
    Panel1->setPalette(pal);

    Bevel2 = new QFrame(Panel1);
    Bevel2->setObjectName("Bevel2");
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel2->setGeometry(0, 48, ClientWidth, 2);

    Label1 = new QLabel(Panel1);
    Label1->setObjectName("Label1");
    Label1->move(24, 8);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName("Label2");
    Label2->move(24, 27);
    const QFont mono = NamedFont("Courier New", 8);
    for (int k = 0; k < ChannelCount; ++k) {
        QLabel* l = new QLabel(Panel1);
        l->setObjectName(QString("Label%1").arg(k + 3));
        l->setFont(mono);
        l->move(24, 56 + 24 * k);
        rows[k] = l;
    }
    fmViewChannel = this;
}

TfmViewChannel::~TfmViewChannel() {
    if (fmViewChannel == this)
        fmViewChannel = nullptr;
}

void TfmViewChannel::SetUp(const MonthDocument& document) {
    const std::vector<int> listed = ListedChannels(document);
    FRowsUsed = int(listed.size());
    for (int r = 0; r < FRowsUsed; ++r)
        FRowChannel[r] = listed[r];
    const int height = ChannelWindowHeight(FRowsUsed);
    resize(ClientWidth, height);
    Panel1->setGeometry(0, 0, ClientWidth, height);
}

void TfmViewChannel::ShowSlot(const MonthDocument& document, int slot) {
    if (!SlotInMemory(document, slot))
        return;
    const QByteArray& block = document.dayBlocks[slot / SlotsPerDay];
    const int minute = slot % SlotsPerDay;
    // An empty minute was never measured: no values, not the zeros it holds.
    const bool stored = SlotState(block, minute) == SlotStored;
    for (int r = 0; r < FRowsUsed; ++r) {
        const int ch = FRowChannel[r];
        const ChannelDef c = HeaderChannel(document.header, ch);
        QLabel* l = rows[r];
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ChannelColour(c.colourChoice));
        l->setPalette(pal);
        l->setText(
            FromAnsi(stored ? ChannelRowText(r + 1, c, ScaledValue(c, SlotValue(block, minute, ch)))
                            : ChannelRowNoDataText(r + 1, c)));
        l->adjustSize();
        l->setVisible(true);
    }
    for (int r = FRowsUsed; r < ChannelCount; ++r)
        rows[r]->setVisible(false);
    const bool afterData = slot >= int(HeaderEndSlot(document.header));
    const QString missing = afterData && !noDataSince.isEmpty() ? noDataSince : tr("no data");
    Label1->setText(FromAnsi(SlotTimeText(document, uint32_t(slot))) +
                    (stored ? QString() : missing));
    Label1->adjustSize();
    Label2->setText(FromAnsi(OperatorLineText(document, SlotOperator(block, minute))));
    Label2->adjustSize();
}
