#pragma once

#include "config/Fchannel.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QLabel;
struct MonthDocument;

// The borderless window that stays on top while the right button is held in
// a diagram window: date and time of the minute under the cursor, the
// operator on duty then, and the value of every listed channel.
class TfmViewChannel : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 334;
    static constexpr int ClientHeight = 391;

    explicit TfmViewChannel(QWidget* owner = nullptr);
    ~TfmViewChannel() override;

    // Assigns the rows of the listed channels and sets the height.
    void SetUp(const MonthDocument& document);
    // Fills the labels for a minute slot; a slot whose day block is not in
    // memory leaves everything as it was.
    void ShowSlot(const MonthDocument& document, int slot);

    // Said of the minutes after the newest stored one while the unit does
    // not answer ("no data since 09:48"); empty while it does.
    QString noDataSince;

    QFrame* Panel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label1 = nullptr;                 // date and time
    QLabel* Label2 = nullptr;                 // operator
    std::array<QLabel*, ChannelCount> rows{}; // Label3 .. Label16

private:
    std::array<int, ChannelCount> FRowChannel{}; // channel of each row in use
    int FRowsUsed = 0;
};

extern TfmViewChannel* fmViewChannel;
