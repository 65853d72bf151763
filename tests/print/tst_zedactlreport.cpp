#include "Fpdfpages.h"

#include <QTest>

namespace {

TToolRun Ctl(const QStringList& args) {
    return RunTool(QStringLiteral(ZEDACTL_PATH), args);
}

// The rightmost column of the page with any ink between the rows y0 and y1;
// -1 when there is none.
int RightmostInk(const QImage& img, int y0, int y1) {
    for (int x = img.width() - 1; x >= 0; --x) {
        for (int y = y0; y <= y1; ++y) {
            if (qGray(img.pixel(x, y)) < 128)
                return x;
        }
    }
    return -1;
}

} // namespace

class TestZedactlReport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString month;

private slots:
    void initTestCase() {
        month = MakeReportMonth(dir.path());
        QVERIFY(!month.isEmpty());
    }

    void dayReportPagesMatchTheMillimetreLayout() {
        const QString out = dir.filePath("days.pdf");
        const TToolRun r = Ctl({"report", month, "--days", "1-3", "--actual-size", "-o", out});
        QCOMPARE(r.out, QByteArray("3\n"));
        QCOMPARE(PdfInfo(out), QString("Pages: 3, 595x842")); // A4
        // The printable area starts 5 mm inside the edges.
        const QString fault = CheckDayPage(RenderPdfPage(out, 1), 5, 5);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(CheckDayPage(RenderPdfPage(out, 3), 5, 5), QString("no trace at 105 mm"));
        // The month report of printer 2, and the view print.
        QCOMPARE(Ctl({"report", month, "--month", "3", "--printer", "2", "-o", out}).out,
                 QByteArray("11\n"));
        QCOMPARE(Ctl({"report", month, "--view", "--time-zoom", "-2", "-o", out}).out,
                 QByteArray("1\n"));
    }

    // The layout is 340 mm wide; A4 prints 200 mm: the grid stopped at about
    // 200 mm and the operator column never reached the paper.
    void reportWiderThanA4IsFittedWhole() {
        QTemporaryDir own;
        const QString file = MakeOperatorMonth(own.path(), 1);
        QVERIFY(!file.isEmpty());
        const QString fitted = own.filePath("fit.pdf");
        QCOMPARE(Ctl({"report", file, "--days", "1-1", "-o", fitted}).out, QByteArray("1\n"));
        const QImage img = RenderPdfPage(fitted, 1);
        QVERIFY(!img.isNull());
        // Scaled by 200/340 from the printable area's corner at 5 mm: the
        // trace at 105 mm lies at 5 + 112 x 200/340 = 70.9 mm, the grid's
        // right end at 300 mm at 5 + 307 x 200/340 = 185.6 mm.
        const int y0 = Px(5 + 35 * 200.0 / 340) + 2;
        const int y1 = Px(5 + (35 + 240) * 200.0 / 340) - 2;
        QVERIFY(Ink(img, Px(70.9), y0, Px(70.9), y1) > 0.95);
        QVERIFY(Ink(img, Px(185.6), y0, Px(185.6), y1) > 0.9);
        // The operator's name lies right of the grid, inside the printable
        // area.
        const int right = RightmostInk(img, 0, img.height() - 1);
        QVERIFY2(right > Px(187) && right <= Px(205), qPrintable(QString::number(right)));
    }

    void actualSizeKeepsTheMillimetresAndIsCutOnA4() {
        QTemporaryDir own;
        const QString file = MakeOperatorMonth(own.path(), 1);
        const QString actual = own.filePath("actual.pdf");
        QCOMPARE(Ctl({"report", file, "--days", "1-1", "--actual-size", "-o", actual}).out,
                 QByteArray("1\n"));
        const QImage img = RenderPdfPage(actual, 1);
        QCOMPARE(CheckDayPage(img, 5, 5), QString());
        // The grid runs on to the printable area's right edge.
        QVERIFY(RightmostInk(img, Px(45), Px(270)) >= Px(203));
    }
};

QTEST_MAIN(TestZedactlReport)
#include "tst_zedactlreport.moc"
