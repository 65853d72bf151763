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

#include <algorithm>
#include <functional>

// Runs programs and looks at PDF pages through poppler's tools: page count
// and size from pdfinfo, pixels from pdftoppm (text in PDFs is not read:
// embedded font subsets make it unreliable).

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
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// "Pages" and "Page size" of pdfinfo: count, and width x height in points.
inline bool PdfInfo(const QString& path, int& pages, QSize& points) {
    const TToolRun r = RunTool("pdfinfo", {path});
    const QString text = QString::fromUtf8(r.out);
    const QRegularExpressionMatch p = QRegularExpression(R"(Pages:\s+(\d+))").match(text);
    const QRegularExpressionMatch s =
        QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(text);
    if (r.exitCode != 0 || !p.hasMatch() || !s.hasMatch())
        return false;
    pages = p.captured(1).toInt();
    points = QSize(qRound(s.captured(1).toDouble()), qRound(s.captured(2).toDouble()));
    return true;
}

// One page rendered in grey at dpi; a null image when it failed.
inline QImage RenderPdfPage(const QString& path, int page, int dpi) {
    QTemporaryDir tmp;
    const QString stem = tmp.filePath("page");
    const QString n = QString::number(page);
    const TToolRun r =
        RunTool("pdftoppm", {"-r", QString::number(dpi), "-gray", "-f", n, "-l", n, path, stem});
    if (r.exitCode != 0)
        return QImage();
    const QStringList made = QDir(tmp.path()).entryList({"page*.pgm"});
    return made.size() == 1 ? QImage(tmp.filePath(made.first())) : QImage();
}

// The share of inked pixels (darker than mid grey) along a column or a
// row, the best of the run and its two neighbours (a hairline falls on one
// pixel of the three, whichever way millimetres round).
inline double InkAlongColumn(const QImage& img, int x, int y0, int y1) {
    double best = 0;
    for (int xx = x - 1; xx <= x + 1; ++xx) {
        int ink = 0;
        for (int y = y0; y <= y1; ++y)
            ink += qGray(img.pixel(xx, y)) < 128 ? 1 : 0;
        best = std::max(best, double(ink) / (y1 - y0 + 1));
    }
    return best;
}
inline double InkAlongRow(const QImage& img, int y, int x0, int x1) {
    double best = 0;
    for (int yy = y - 1; yy <= y + 1; ++yy) {
        int ink = 0;
        for (int x = x0; x <= x1; ++x)
            ink += qGray(img.pixel(x, yy)) < 128 ? 1 : 0;
        best = std::max(best, double(ink) / (x1 - x0 + 1));
    }
    return best;
}

// Millimetres on a page rendered at dpi, as pixels.
inline int Px(double mm, int dpi) {
    return qRound(mm * dpi / 25.4);
}

// A month file of July 2031 in dir: channel 1 (printer 1) constant at 105 mm
// and channel 2 (printer 2) at 155 mm over days 1 and 2.
inline QString MakeReportMonth(const QString& dir) {
    ChannelDefs c = NoChannels();
    c[0] = Channel(0, 0, "K1", "V");
    c[0].printColour = 0; // black on paper
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

// The marks of a day page on paper whose printable area starts at
// (left, top) millimetres: the constant trace at 105 mm runs down the
// whole day, the hour lines lie 10 mm apart, and nothing is inked between
// grid lines.
inline QString CheckDayPage(const QImage& img, int dpi, double left, double top) {
    if (img.isNull())
        return "no page image";
    const int x105 = Px(left + 7 + 105, dpi);
    const int y0 = Px(top + 35, dpi);
    const int y24 = Px(top + 35 + 240, dpi);
    if (InkAlongColumn(img, x105, y0 + 2, y24 - 2) < 0.95)
        return "no trace at 105 mm";
    if (InkAlongColumn(img, Px(left + 7 + 113, dpi), y0 + 2, y24 - 2) > 0.15)
        return "ink between the grid lines";
    // The hour line of 1:00 (dashed) against the empty middle of the hour.
    const int x0 = Px(left + 7 + 2, dpi);
    const int x1 = Px(left + 7 + 95, dpi);
    if (InkAlongRow(img, Px(top + 35 + 10, dpi), x0, x1) < 0.3)
        return "no hour line 10 mm below the first row";
    if (InkAlongRow(img, Px(top + 35 + 5, dpi), x0, x1) > 0.15)
        return "ink in the middle of an hour";
    return QString();
}
