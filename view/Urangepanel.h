#pragma once

#include "view/Frangestats.h"

#include <QDockWidget>

class QLabel;
class QPushButton;
class QTableWidget;
struct MonthDocument;

// The docked "Range" panel: the start, end and duration of the range
// between a window's two marks, and per shown channel the values at the
// marks, their difference, minimum, maximum, mean and standard deviation.
// "Copy" puts the table on the clipboard as tab-separated text.
class TRangePanel : public QDockWidget {
    Q_OBJECT
public:
    explicit TRangePanel(QWidget* parent = nullptr);

    // The figures of the document's marked range; with fewer than two marks
    // (or no document) the panel says how to get them.
    void ShowRange(const MonthDocument* document);
    // The status bar's one line, empty while there is no range.
    QString Summary() const { return FSummary; }
    // The tab-separated table, empty while there is no range.
    QString TableText() const { return FTable; }
    void CopyTable();

    QLabel* lblRange = nullptr;
    QLabel* lblWithoutData = nullptr;
    QTableWidget* tblRange = nullptr;
    QPushButton* btnCopy = nullptr;

private:
    QString FSummary;
    QString FTable;
};
