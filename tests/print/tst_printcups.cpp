// Through a real CUPS server: a private cupsd with its own configuration
// directory and two cups-pdf queues, a day report printed by `zedactl print`
// on the printers the INI file names, and the PDFs out of the queues
// checked by page count, size and ink.

#include "Fpdfpages.h"

#include "config/Cinifile.h"
#include "print/Csystemprint.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString PdfPrefix = QStringLiteral("ZEDA_D2031-07_day_");

// cups-pdf writes into the PDF folder of the job's owner.
QDir PdfFolder() {
    const passwd* pw = getpwuid(getuid());
    return QDir(QString::fromLocal8Bit(pw ? pw->pw_dir : "/root") + "/PDF");
}

QStringList ReportPdfs() {
    return PdfFolder().entryList({PdfPrefix + "*.pdf"}, QDir::Files, QDir::Name);
}

void RemoveReportPdfs() {
    for (const QString& name : ReportPdfs())
        QFile::remove(PdfFolder().filePath(name));
}

} // namespace

class TestPrintCups : public QObject {
    Q_OBJECT

    QTemporaryDir server;
    QTemporaryDir data;
    QProcess cupsd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    QString Socket() const { return server.filePath("cups.sock"); }
    bool QueuesIdle() {
        const TToolRun r = RunTool("lpstat", {"-o"}, env);
        return r.exitCode == 0 && r.out.trimmed().isEmpty();
    }
    TToolRun Print(const QString& days) {
        return RunTool(
            ZEDACTL_PATH,
            {"print", data.filePath("D2031-07.ZMF"), "--days", days, "--data-dir", data.path()},
            env);
    }

private slots:
    void initTestCase() {
        // A machine that cannot run the server fails: the test never passes
        // without having printed.
        if (geteuid() != 0)
            QFAIL("The CUPS test starts its own cupsd and must run as root.");
        for (const QString& tool :
             {Ppd, QStringLiteral("/usr/lib/cups/backend/cups-pdf"),
              QStringLiteral("/usr/sbin/cupsd"), QStringLiteral("/usr/bin/pdftoppm")}) {
            if (!QFileInfo::exists(tool))
                QFAIL(qPrintable(tool + " is missing: scripts/setup.sh installs cups, "
                                        "cups-client, printer-driver-cups-pdf, poppler-utils."));
        }
        // The server runs as lp and must reach its folders.
        QVERIFY(QFile::setPermissions(server.path(), QFile::Permissions(0x7755)));
        const QByteArray root = server.path().toLocal8Bit();
        for (const char* sub : {"spool", "cache", "state", "log"})
            QVERIFY(QDir(server.path()).mkpath(sub));
        QFile conf(server.filePath("cupsd.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("Listen " + Socket().toLocal8Bit() +
                   "\nBrowsing No\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                   "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
        conf.close();
        QFile files(server.filePath("cups-files.conf"));
        QVERIFY(files.open(QIODevice::WriteOnly));
        files.write("ServerRoot " + root + "\nRequestRoot " + root + "/spool\nCacheDir " + root +
                    "/cache\nStateDir " + root + "/state\nErrorLog " + root +
                    "/log/error_log\nAccessLog " + root + "/log/access_log\nPageLog " + root +
                    "/log/page_log\nUser lp\nGroup lp\nSystemGroup root\n");
        files.close();
        cupsd.setProcessChannelMode(QProcess::MergedChannels);
        cupsd.start("/usr/sbin/cupsd", {"-f", "-c", conf.fileName(), "-s", files.fileName()});
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo::exists(Socket()) || cupsd.state() == QProcess::NotRunning, 20000);
        if (cupsd.state() == QProcess::NotRunning)
            QFAIL(qPrintable("cupsd could not run: " + cupsd.readAll() +
                             ReadBytes(server.filePath("log/error_log"))));
        env.insert("CUPS_SERVER", Socket());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const char* queue : {"ZEDA_TEST_P1", "ZEDA_TEST_P2"}) {
            const TToolRun r =
                RunTool("lpadmin", {"-p", queue, "-v", "cups-pdf:/", "-P", Ppd, "-E"}, env);
            QVERIFY2(r.exitCode == 0, r.err.constData());
        }
        QVERIFY(!MakeReportMonth(data.path()).isEmpty());
    }

    void cleanupTestCase() {
        cupsd.terminate();
        if (!cupsd.waitForFinished(10000))
            cupsd.kill();
        RemoveReportPdfs();
    }

    void dayReportReachesBothQueuesAsPdfPages() {
        RemoveReportPdfs();
        TIniFile ini(data.filePath("zeda.ini"));
        QVERIFY(ini.WriteString("ZEDA", "Druckparameter", "1,1,0"));
        QVERIFY(ini.WriteString("ZEDA", "Druck1", "zeda_test_p1")); // letter case not considered
        QVERIFY(ini.WriteString("ZEDA", "Druck2", "ZEDA_TEST_P2"));
        QVERIFY(ini.WriteString("ZEDA", "DruckAnpassen", "0")); // the layout's millimetres
        const TToolRun r = Print("1-2");
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QTRY_VERIFY_WITH_TIMEOUT(ReportPdfs().size() == 4 && QueuesIdle(), 90000);

        // One job per page, named after the page, each an A4 page.
        const QStringList pdfs = ReportPdfs();
        QVERIFY(pdfs[0].startsWith(PdfPrefix + "1__printer_1"));
        QVERIFY(pdfs[3].startsWith(PdfPrefix + "2__printer_2"));
        for (const QString& name : pdfs)
            QCOMPARE(PdfInfo(PdfFolder().filePath(name)), QString("Pages: 1, 595x842"));
        // The marks lie where they belong within the printable area the
        // queue gives the printing.
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        QPrinter queue(QPrinter::HighResolution);
        queue.setPrinterName("ZEDA_TEST_P1");
        QVERIFY(queue.isValid());
        const QRectF area = queue.pageLayout().paintRect(QPageLayout::Millimeter);
        const QString fault =
            CheckDayPage(RenderPdfPage(PdfFolder().filePath(pdfs[0]), 1), area.left(), area.top());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The job handed to CUPS drew the layout at actual size whatever
    // "DruckAnpassen" said: ink ran to the paper's edge, the scale stopped
    // at about 200 and the operator column was missing.
    void printedReportFitsThroughCups() {
        RemoveReportPdfs();
        QTemporaryDir own;
        QVERIFY(!MakeOperatorMonth(own.path(), 4).isEmpty());
        TIniFile ini(own.filePath("zeda.ini"));
        QVERIFY(ini.WriteString("ZEDA", "Druckparameter", "1,0,0"));
        QVERIFY(ini.WriteString("ZEDA", "Druck1", "ZEDA_TEST_P1"));
        QVERIFY(ini.WriteString("ZEDA", "DruckAnpassen", "1"));
        const TToolRun r = RunTool(ZEDACTL_PATH,
                                   {"print", own.filePath("D2031-07.ZMF"), "--days", "3-4",
                                    "--data-dir", own.path()},
                                   env);
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QTRY_VERIFY_WITH_TIMEOUT(ReportPdfs().size() == 2 && QueuesIdle(), 90000);
        const QStringList pdfs = ReportPdfs();
        QVERIFY(pdfs[0].startsWith(PdfPrefix + "3__printer_1"));
        const QImage img = RenderPdfPage(PdfFolder().filePath(pdfs[0]), 1);
        QVERIFY(!img.isNull());
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        QPrinter queue(QPrinter::HighResolution);
        queue.setPrinterName("ZEDA_TEST_P1");
        const QRectF area = queue.pageLayout().paintRect(QPageLayout::Millimeter);
        // The 340 mm layout shrunk to the printable width; a place of the
        // layout in millimetres on the paper.
        const double f = area.width() / 340;
        const auto at = [&](double x, double y, double w, double h) {
            return PxRect(QRectF(area.left() + x * f, area.top() + y * f, w * f, h * f));
        };
        const QRect ink = InkBounds(img);
        QVERIFY2(PxRect(area).adjusted(-1, -1, 1, 1).contains(ink),
                 qPrintable(QString("ink %1,%2 .. %3,%4")
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.right())
                                .arg(ink.bottom())));
        // The scale's numbers 0 .. 300 stand above the grid, 7 mm in.
        for (int label = 0; label <= 300; label += 50)
            QVERIFY2(InkIn(img, at(label + 4, 29, 6, 4)), qPrintable(QString::number(label)));
        // The operator's line beside the grid all day, and the name by it.
        QVERIFY(Ink(img, Px(area.left() + 309 * f), at(0, 37, 1, 1).top(),
                    Px(area.left() + 309 * f), at(0, 273, 1, 1).top()) > 0.3);
        QVERIFY(InkIn(img, at(310, 35, 30, 10)));
    }

    void abandonedPageNeverReachesTheQueue() {
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        TSystemPrintSystem system;
        QVERIFY(system.PrinterNames().contains("ZEDA_TEST_P1"));
        for (const QString day : {"8", "9"}) {
            auto page = system.BeginJob("ZEDA_TEST_P1", "ZEDA D2031-07 day " + day);
            QVERIFY(page);
            page->Painter().drawLine(0, 0, 1000, 1000);
            if (day == "8")
                page->Abort();
            else
                QVERIFY(page->End());
        }
        QTRY_VERIFY_WITH_TIMEOUT(ReportPdfs().join(' ').contains(PdfPrefix + "9") && QueuesIdle(),
                                 90000);
        QVERIFY(!ReportPdfs().join(' ').contains(PdfPrefix + "8"));
    }

    void printerThatIsNotInstalledFailsTheCommand() {
        QVERIFY(TIniFile(data.filePath("zeda.ini")).WriteString("ZEDA", "Druck1", "Not_There"));
        const TToolRun r = Print("1-1");
        QCOMPARE(r.exitCode, 1);
        QVERIFY(QString::fromUtf8(r.err).contains("Es kann nicht gedruckt werden!"));
    }
};

QTEST_MAIN(TestPrintCups)
#include "tst_printcups.moc"
