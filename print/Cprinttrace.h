#pragma once

#include "config/Cfileaccess.h"
#include "config/Fchannel.h"
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

// Where the slots of a page come from: the day block that holds a minute.
class TDaySource {
public:
    virtual ~TDaySource() = default;
    // Day block b (1440 slots), or null when it cannot be had.
    virtual const QByteArray* Block(int b) = 0;
};

// Day blocks read from the month file on disk, one at a time, into one
// buffer of 43200 bytes. The file stays open (shared) for one page.
class TFileDays : public TDaySource {
public:
    // Every block read is counted in reads.
    TFileDays(const QString& path, int lockWaitMs, uint64_t& reads);
    bool IsOpen() const { return FFile.IsOpen(); }
    // True when the file holds the day blocks up to last whole.
    bool Holds(int last) const;
    const QByteArray* Block(int b) override;

private:
    TFileAccess FFile;
    uint64_t& FReads;
    QByteArray FBuffer;
    int FCurrent = -1;
};

// The day blocks a document holds in memory; an absent block is null.
class TMemoryDays : public TDaySource {
public:
    explicit TMemoryDays(const MonthDocument& document) : FDocument(document) {}
    const QByteArray* Block(int b) override;

private:
    const MonthDocument& FDocument;
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
