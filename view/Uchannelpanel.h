#pragma once

#include <QDockWidget>

#include <vector>

class QTableWidget;
class QTableWidgetItem;
class TAlarmEvaluator;
struct MonthDocument;

// The docked "Channels" panel: the 14 channels of the active window with
// colour, name, unit, whether they are in use, the value under the cursor
// while it is shown, and a check box that shows or hides the channel.
// Channels not in use are listed greyed, so a user sees why a window that
// shows them draws them.
class TChannelPanel : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int ColChannel = 0; // check box, swatch, number and name
    static constexpr int ColUnit = 1;
    static constexpr int ColInUse = 2;
    static constexpr int ColValue = 3;
    static constexpr int ColAlarm = 4; // normal, alarm, latched, acknowledged

    explicit TChannelPanel(QWidget* parent = nullptr);

    // The channels of a window's document, or an empty list without one.
    void ShowDocument(const MonthDocument* document);
    // The values at a slot of the document, or none (slot -1).
    void ShowCursor(const MonthDocument* document, int slot);
    // Each channel's alarm state by text and colour (none without alarms).
    void ShowAlarmStatus(const TAlarmEvaluator* alarms);
    // The text and background of an alarm state.
    static QString AlarmStatusText(int status);
    static QColor AlarmStatusColour(int status);

    // Marks the values as older than the last cycle: greyed, under the
    // heading "Value at HH:MM" with their time; empty time: fresh again.
    void MarkStale(const QString& time);

    // The rows list the channels in use first, then the others, greyed.
    static std::vector<int> RowOrder(const MonthDocument& document);
    // The row that shows a channel, -1 when none does.
    int RowOfChannel(int channel) const;

    QTableWidget* tblChannels = nullptr;

signals:
    // The user ticked or unticked a channel's box.
    void channelToggled(int channel, bool shown);

private:
    QTableWidgetItem* ItemAt(int row, int column);
    // Sizes the columns to their contents and keeps the table wide enough
    // to show all of them.
    void FitColumns();

    // The colours of the values: grey while stale.
    void ColourValues();

    std::vector<int> FRowChannel;
    std::vector<bool> FRowUsed;
    QString FStaleTime;

    bool FFilling = false;
};
