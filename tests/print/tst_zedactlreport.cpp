#include "Fpdfpages.h"

#include "config/Cinifile.h"

#include <QFile>
#include <QTest>

namespace {

TToolRun Ctl(const QStringList& args) {
    return RunTool(QStringLiteral(ZEDACTL_PATH), args);
}

} // namespace

class TestZedactlReport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString month;

private slots:
    void initTestCase() {
        QVERIFY(!QStandardPaths::findExecutable("pdftoppm").isEmpty());
        month = MakeReportMonth(dir.path());
        QVERIFY(!month.isEmpty());
        QVERIFY(TIniFile(dir.filePath("zeda.ini")).WriteString("ZEDA", "Betriebsort", "Werk"));
    }

    void dayReportPagesMatchTheMillimetreLayout() {
        const QString out = dir.filePath("days.pdf");
        const TToolRun r =
            Ctl({"report", month, "--data-dir", dir.path(), "--days", "1-3", "-o", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("3\n"));
        int pages = 0;
        QSize size;
        QVERIFY(PdfInfo(out, pages, size));
        QCOMPARE(pages, 3);
        QCOMPARE(size, QSize(595, 842)); // A4
        // The printable area starts 5 mm inside the edges.
        const QString fault = CheckDayPage(RenderPdfPage(out, 1, 100), 100, 5, 5);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // Day 3 has no data: grid without a trace.
        QVERIFY(!CheckDayPage(RenderPdfPage(out, 3, 100), 100, 5, 5).isEmpty());
    }

    void monthReportOfPrinter2AndTheView() {
        const QString out = dir.filePath("month.pdf");
        TToolRun r = Ctl({"report", month, "--data-dir", dir.path(), "--month", "3", "--printer",
                          "2", "-o", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("11\n"));
        r = Ctl({"report", month, "--data-dir", dir.path(), "--view", "--first", "2031-07-01 12:00",
                 "--time-zoom", "-2", "-o", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("1\n"));
        // Printer 2 shows nothing of channel 1 only.
        r = Ctl({"report", month, "--data-dir", dir.path(), "--days", "1-1", "--printer", "2",
                 "--channels", "1", "-o", out});
        QCOMPARE(r.exitCode, 1);
    }

    void reportRefusesBadRequestsAndMonthFiles() {
        const QString out = dir.filePath("bad.pdf");
        QCOMPARE(Ctl({"report", month, "--days", "0-2", "-o", out}).exitCode, 2);
        QCOMPARE(Ctl({"report", month, "--days", "1-34", "-o", out}).exitCode, 2);
        QCOMPARE(Ctl({"report", month, "--days", "1-2", "--month", "3", "-o", out}).exitCode, 2);
        QCOMPARE(Ctl({"report", month, "--month", "6", "-o", out}).exitCode, 2);
        QVERIFY(!QFile::exists(out));
        const QByteArray before = ReadBytes(month);
        const TToolRun r = Ctl({"report", month, "--days", "1-1", "-o", month});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("is a month file"));
        QCOMPARE(ReadBytes(month), before);
    }
};

QTEST_MAIN(TestZedactlReport)
#include "tst_zedactlreport.moc"
