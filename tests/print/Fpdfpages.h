#pragma once

#include "view/Fviewtestsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

// PDF pages through poppler's tools: page count and size from pdfinfo,
// pixels from pdftoppm (not text: embedded font subsets make it unreliable).

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct TToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline TToolRun RunTool(const QString& program, const QStringList& args,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    TToolRun r;
    if (p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit)
        r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// "Pages: 3, 595x842" as pdfinfo tells them (size in points).
inline QString PdfInfo(const QString& path) {
    const QString text = QString::fromUtf8(RunTool("pdfinfo", {path}).out);
    const auto p = QRegularExpression(R"(Pages:\s+(\d+))").match(text);
    const auto s = QRegularExpression(R"(Page size:\s+(\d+)[.\d]* x (\d+))").match(text);
    return QString("Pages: %1, %2x%3").arg(p.captured(1), s.captured(1), s.captured(2));
}

// One page rendered in grey at 100 dpi; null when it failed.
constexpr int Dpi = 100;
inline QImage RenderPdfPage(const QString& path, int page) {
    QTemporaryDir tmp;
    const QString n = QString::number(page);
    RunTool("pdftoppm", {"-r", QString::number(Dpi), "-gray", "-f", n, "-l", n, "-singlefile", path,
                         tmp.filePath("page")});
    return QImage(tmp.filePath("page.pgm"));
}

inline int Px(double mm) {
    return qRound(mm * Dpi / 25.4);
}

// The share of inked pixels on the line from (x0, y0) to (x1, y1), which
// runs along a row or a column; the best of it and its two neighbours, as a
// hairline falls on one of the three whichever way millimetres round.
inline double Ink(const QImage& img, int x0, int y0, int x1, int y1) {
    double best = 0;
    for (int d = -1; d <= 1; ++d) {
        int ink = 0;
        const int n = std::max(x1 - x0, y1 - y0) + 1;
        for (int i = 0; i < n; ++i) {
            const int x = y0 == y1 ? x0 + i : x0 + d;
            const int y = y0 == y1 ? y0 + d : y0 + i;
            ink += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
        }
        best = std::max(best, double(ink) / n);
    }
    return best;
}

// A month file of July 2031: channel 1 (printer 1) constant at 105 mm and
// channel 2 (printer 2) at 155 mm over days 1 and 2.
inline QString MakeReportMonth(const QString& dir) {
    ChannelDefs c = NoChannels();
    c[0] = Channel(0, 0, "K1", "V");
    c[1] = Channel(0, 0, "K2", "V");
    c[1].printer = 1;
    MonthDocument d;
    InitDocument(d, c, 31 * 1440, 2031, 7);
    for (int m = 0; m < 2 * 1440; ++m) {
        SetRaw(d, m, 0, 105);
        SetRaw(d, m, 1, 155);
    }
    const QString path = QDir(dir).filePath("D2031-07.ZMF");
    return WriteBytes(path, FileImage(d)) ? path : QString();
}

// A day page of channel 1 whose printable area starts at (left, top) mm:
// the trace at 105 mm runs down the whole day, nothing lies between the
// grid lines, and the hour lines are 10 mm apart. Empty when it is so.
inline QString CheckDayPage(const QImage& img, double left, double top) {
    if (img.isNull())
        return "no page image";
    const int y0 = Px(top + 35) + 2;
    const int y1 = Px(top + 35 + 240) - 2;
    if (Ink(img, Px(left + 112), y0, Px(left + 112), y1) < 0.95)
        return "no trace at 105 mm";
    if (Ink(img, Px(left + 120), y0, Px(left + 120), y1) > 0.15)
        return "ink between the grid lines";
    const int x0 = Px(left + 9);
    const int x1 = Px(left + 102);
    if (Ink(img, x0, Px(top + 45), x1, Px(top + 45)) < 0.3)
        return "no hour line 10 mm below the first row";
    if (Ink(img, x0, Px(top + 40), x1, Px(top + 40)) > 0.15)
        return "ink in the middle of an hour";
    return QString();
}

// July 2031 as MakeReportMonth, channel 1 alone, with the operator
// "Nachtschicht" on duty from the start of day 1 over the first days.
inline QString MakeOperatorMonth(const QString& dir, int days) {
    ChannelDefs c = NoChannels();
    c[0] = Channel(0, 0, "K1", "V");
    MonthDocument d;
    InitDocument(d, c, 31 * 1440, 2031, 7);
    AddOperatorName(d, "Nachtschicht");
    for (int m = 0; m < days * 1440; ++m) {
        SetRaw(d, m, 0, 105);
        SetOperator(d, m, 0);
    }
    const QString path = QDir(dir).filePath("D2031-07.ZMF");
    return WriteBytes(path, FileImage(d)) ? path : QString();
}

// Pixels of a page image from millimetres on the paper.
inline QRect PxRect(const QRectF& mm) {
    return QRect(QPoint(Px(mm.left()), Px(mm.top())), QPoint(Px(mm.right()), Px(mm.bottom())));
}

// The smallest rectangle holding every inked pixel; null on a blank page.
inline QRect InkBounds(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(img.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

inline bool InkIn(const QImage& img, const QRect& px) {
    return InkBounds(img.copy(px & img.rect())).isValid();
}
