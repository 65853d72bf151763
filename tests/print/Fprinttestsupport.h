#pragma once

#include "view/Crecordingdevice.h"
#include "view/Fviewtestsupport.h"

#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "print/Cprintbase.h"
#include "print/Cprintsystem.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>

// Pages drawn onto the recording device: a printable area of 200 x 290 mm
// at 10 pixels per millimetre across and 6 down, so that a report row (a
// sixth of a millimetre) is one pixel: X(x) = 10 x + 70, Y(row) = row + 210.
struct TPrintFixture : TViewFixture {
    static constexpr TPageMetrics Metrics{2000, 1740, 200, 290};

    MonthDocument doc;
    TRecordingDevice device{4000, 2000};
    TPageSequence* pages = nullptr;
    std::unique_ptr<TPrintBase> prnt;
    int h = 0; // text height and character width of the printer font
    int w = 0;

    explicit TPrintFixture(const ChannelDefs& channels, uint16_t endSlot = 31 * 1440) {
        config->location = "Werk Nord";
        FontFields font;
        font.height = -12;
        font.faceName = ToAnsi(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        config->printerFontRecord = FontFieldsToBytes(font);
        config->printerFontSet = true;
        const QFontMetrics fm(PrinterFont(*config), &device);
        h = fm.height();
        w = fm.maxWidth();
        InitDocument(doc, channels, endSlot);
        // The channels in use are shown.
        for (int ch = 0; ch < 14; ++ch)
            doc.display.channelVisible[ch] = channels[ch].active;
        auto sequence =
            std::make_unique<TPageSequence>(device, QStringList{"Queue One", "Queue Two"}, Metrics);
        pages = sequence.get();
        prnt = std::make_unique<TPrintBase>(env, config.get(), std::move(sequence));
        prnt->printer1Name = "queue one"; // letter case is not considered
        prnt->printer2Name = "Queue Two";
        prnt->printer1Enabled = prnt->printer2Enabled = 1;
        // The recorded coordinates are the layout's own millimetres.
        prnt->fitToPage = false;
    }

    // Writes the document as its month file and names it in the document.
    bool Save() {
        const QString path = WriteMonth(doc);
        doc.fileName = QFileInfo(path).fileName();
        doc.directory = dir.path() + "/";
        return !path.isEmpty();
    }

    TRecording& Rec() { return device.Recording(); }
    static int X(int mm) { return 10 * mm + 70; }
    static int Y(int sixths) { return sixths + 210; }

    QList<TRecording::Line> LinesWith(Qt::PenStyle style) {
        QList<TRecording::Line> out;
        for (const TRecording::Line& l : Rec().lines) {
            if (l.pen.style() == style)
                out.append(l);
        }
        return out;
    }
    const TRecording::Text* FindText(const QString& text) {
        for (const TRecording::Text& t : Rec().texts) {
            if (t.text == text)
                return &t;
        }
        return nullptr;
    }
};

// A channel as printing sees it: raw value = plot position (no offset),
// scaled 1:1 with the given decimals, printed on printer (0 or 1).
inline ChannelDef PrintChannel(const QByteArray& name, uint8_t printer = 0,
                               uint8_t printColour = 1) {
    ChannelDef c = Channel(0, 0, name, "V");
    c.printer = printer;
    c.printColour = printColour;
    return c;
}
