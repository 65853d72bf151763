#include "Fpdfpages.h"

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
        month = MakeReportMonth(dir.path());
        QVERIFY(!month.isEmpty());
    }

    void dayReportPagesMatchTheMillimetreLayout() {
        const QString out = dir.filePath("days.pdf");
        const TToolRun r = Ctl({"report", month, "--days", "1-3", "-o", out});
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
};

QTEST_MAIN(TestZedactlReport)
#include "tst_zedactlreport.moc"
