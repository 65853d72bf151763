#pragma once

#include "config/Fchannel.h"
#include "files/Cmonthdata.h"
#include "print/Cprintbase.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QPainter;
struct MonthDocument;

// A page of the engine: the job is abandoned on every way out that did not
// end it, so a failure half-way never leaves a job behind.
class TPrintJobGuard {
public:
    explicit TPrintJobGuard(std::unique_ptr<TPrintPage> page) : FPage(std::move(page)) {}
    ~TPrintJobGuard() {
        if (FPage && !FEnded)
            FPage->Abort();
    }
    TPrintJobGuard(const TPrintJobGuard&) = delete;
    TPrintJobGuard& operator=(const TPrintJobGuard&) = delete;

    bool Valid() const { return FPage != nullptr; }
    TPrintPage* operator->() const { return FPage.get(); }
    TPrintPage& operator*() const { return *FPage; }
    // Sends the page unless the printer aborted it; false on a failure.
    bool End() {
        FEnded = true;
        return FPage->Aborted() || FPage->End();
    }

private:
    std::unique_ptr<TPrintPage> FPage;
    bool FEnded = false;
};

// How the traces of a page lie on it.
struct TTraceFrame {
    // Device x of a plot position relative to its band, device y of a row.
    std::function<int32_t(int32_t)> x;
    std::function<int32_t(int32_t)> y;
    int32_t charWidth = 0;  // w
    int32_t textHeight = 0; // h
};

// The minutes a trace walks: first, first + step, ... below end, drawn at
// rows row0, row0 + rowStep, ...; value labels only after labelsAfter.
struct TTraceWalk {
    uint32_t first = 0;
    uint32_t step = 1;
    uint32_t end = 0;
    int32_t row0 = 0;
    int32_t rowStep = 1;
    uint32_t labelsAfter = 0;
};

// Draws one channel as a pen trace: thin outside exception periods, thick
// in note-only periods, left out in ordinary periods and at empty minutes;
// it restarts within bands of 200 mm whenever it leaves the 300 mm window
// it started in. Labels where it starts again (its value) or meets a period
// (the period's code) are collected, at most MaxLabels per page.
class TTracePlotter {
public:
    TTracePlotter(QPainter& p, std::vector<QPoint>& buffer, std::vector<PrintLabel>& labels)
        : FPainter(p), FBuffer(buffer), FLabels(labels) {}

    // False when a day block could not be had; what was drawn stays.
    bool Run(const MonthDocument& document, int channel, uint32_t colour, const TTraceFrame& frame,
             const TTraceWalk& walk, TDaySource& days);

private:
    void Append(QPoint point);
    // Draws the trace when it has two points or more, and empties it.
    void Flush();
    void DrawPiece();
    void AddLabel(int32_t left, int32_t bottom, const QByteArray& text);

    QPainter& FPainter;
    std::vector<QPoint>& FBuffer;
    std::vector<PrintLabel>& FLabels;
    const TTraceFrame* FFrame = nullptr;
    uint32_t FColour = 0;
    int FState = 0;    // the exception state the trace is drawn in
    int FPoints = 0;   // points of the trace
    int FBuffered = 0; // of them in the buffer
};

// The legend's value text of a slot: "-" for an empty minute.
QByteArray PrintValueText(const QByteArray& block, int minute, int channel, const ChannelDef& c);
