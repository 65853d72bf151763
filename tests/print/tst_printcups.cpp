// End to end through a real CUPS server: a private cupsd with its own
// configuration directory and two cups-pdf queues, a day report printed by
// `zedactl print` as the INI file names the printers, and the PDFs that
// come out of the queues checked by page count, size and ink.

#include "Fpdfpages.h"

#include "config/Cinifile.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString Backend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
// The reports of the test's month name their PDFs so.
const QString PdfPrefix = QStringLiteral("ZEDA_D2031-07_day_");

bool WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// cups-pdf writes into the PDF folder of the job's owner.
QString PdfFolder() {
    const passwd* pw = getpwuid(getuid());
    return QString::fromLocal8Bit(pw ? pw->pw_dir : "/root") + "/PDF";
}

QStringList ReportPdfs() {
    return QDir(PdfFolder()).entryList({PdfPrefix + "*.pdf"}, QDir::Files, QDir::Name);
}

void RemoveReportPdfs() {
    for (const QString& name : ReportPdfs())
        QFile::remove(QDir(PdfFolder()).filePath(name));
}

} // namespace

class TestPrintCups : public QObject {
    Q_OBJECT

    QTemporaryDir server;
    QTemporaryDir data;
    QProcess cupsd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    QString Socket() const { return server.filePath("cups.sock"); }

    TToolRun Cups(const QString& program, const QStringList& args) {
        return RunTool(program, args, env);
    }

    // Jobs not yet completed.
    bool QueuesIdle() {
        const TToolRun r = Cups("lpstat", {"-o"});
        return r.exitCode == 0 && r.out.trimmed().isEmpty();
    }

private slots:
    void initTestCase() {
        // A machine that cannot run the server fails the test: it never
        // passes without having printed.
        if (geteuid() != 0)
            QFAIL("The CUPS test starts its own cupsd and must run as root.");
        for (const QString& tool :
             QStringList{"cupsd", "lpadmin", "lpstat", "pdfinfo", "pdftoppm"}) {
            if (QStandardPaths::findExecutable(tool, {"/usr/sbin", "/usr/bin", "/sbin"}).isEmpty())
                QFAIL(qPrintable(tool + " is missing: scripts/setup.sh installs cups, cups-client, "
                                        "printer-driver-cups-pdf and poppler-utils."));
        }
        if (!QFileInfo::exists(Ppd) || !QFileInfo::exists(Backend))
            QFAIL("cups-pdf is missing: scripts/setup.sh installs printer-driver-cups-pdf.");

        // The server runs as lp and must reach its folders.
        QVERIFY(QFile::setPermissions(server.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadGroup |
                                                         QFile::ExeGroup | QFile::ReadOther |
                                                         QFile::ExeOther));
        for (const char* sub : {"spool", "cache", "state", "log"})
            QVERIFY(QDir(server.path()).mkpath(sub));
        const QByteArray root = server.path().toLocal8Bit();
        QVERIFY(WriteText(server.filePath("cupsd.conf"),
                          "Listen " + Socket().toLocal8Bit() +
                              "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                              "  </Limit>\n</Policy>\n"));
        QVERIFY(WriteText(server.filePath("cups-files.conf"),
                          "ServerRoot " + root + "\nRequestRoot " + root + "/spool\nCacheDir " +
                              root + "/cache\nStateDir " + root + "/state\nErrorLog " + root +
                              "/log/error_log\nAccessLog " + root + "/log/access_log\nPageLog " +
                              root +
                              "/log/page_log\nServerBin /usr/lib/cups\n"
                              "DataDir /usr/share/cups\nUser lp\nGroup lp\nSystemGroup root\n"));
        cupsd.setProcessChannelMode(QProcess::MergedChannels);
        cupsd.start("cupsd", {"-f", "-c", server.filePath("cupsd.conf"), "-s",
                              server.filePath("cups-files.conf")});
        QVERIFY2(cupsd.waitForStarted(), "cupsd could not be started");
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo::exists(Socket()) || cupsd.state() == QProcess::NotRunning, 20000);
        if (cupsd.state() == QProcess::NotRunning) {
            QFile log(server.filePath("log/error_log"));
            log.open(QIODevice::ReadOnly);
            QFAIL(qPrintable("cupsd could not run: " + cupsd.readAll() + log.readAll()));
        }
        env.insert("CUPS_SERVER", Socket());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const char* queue : {"ZEDA_TEST_P1", "ZEDA_TEST_P2"}) {
            const TToolRun r = Cups("lpadmin", {"-p", queue, "-v", "cups-pdf:/", "-P", Ppd, "-E"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
        }
        QVERIFY(!MakeReportMonth(data.path()).isEmpty());
    }

    void cleanupTestCase() {
        if (cupsd.state() != QProcess::NotRunning) {
            cupsd.terminate();
            if (!cupsd.waitForFinished(10000))
                cupsd.kill();
            cupsd.waitForFinished();
        }
        RemoveReportPdfs();
    }

    void dayReportReachesBothQueuesAsPdfPages() {
        RemoveReportPdfs();
        TIniFile ini(data.filePath("zeda.ini"));
        QVERIFY(ini.WriteString("ZEDA", "Druckparameter", "1,1,0"));
        QVERIFY(ini.WriteString("ZEDA", "Druck1", "zeda_test_p1")); // letter case not considered
        QVERIFY(ini.WriteString("ZEDA", "Druck2", "ZEDA_TEST_P2"));
        const TToolRun r = RunTool(
            ZEDACTL_PATH,
            {"print", data.filePath("D2031-07.ZMF"), "--days", "1-2", "--data-dir", data.path()},
            env);
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QTRY_VERIFY_WITH_TIMEOUT(ReportPdfs().size() == 4 && QueuesIdle(), 90000);

        // One job per page, named after the page.
        const QStringList pdfs = ReportPdfs();
        QVERIFY(pdfs[0].startsWith(PdfPrefix + "1__printer_1"));
        QVERIFY(pdfs[1].startsWith(PdfPrefix + "1__printer_2"));
        QVERIFY(pdfs[3].startsWith(PdfPrefix + "2__printer_2"));
        for (const QString& name : pdfs) {
            int pages = 0;
            QSize size;
            QVERIFY(PdfInfo(QDir(PdfFolder()).filePath(name), pages, size));
            QCOMPARE(pages, 1);
            QCOMPARE(size, QSize(595, 842)); // the queue's A4
        }
        // The marks lie where the Part puts them within the printable area
        // that the queue gives the printing.
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
        QPrinter queue(QPrinter::HighResolution);
        queue.setPrinterName("ZEDA_TEST_P1");
        QVERIFY(queue.isValid());
        const QRectF area = queue.pageLayout().paintRect(QPageLayout::Millimeter);
        const QImage page = RenderPdfPage(QDir(PdfFolder()).filePath(pdfs[0]), 1, 100);
        const QString fault = CheckDayPage(page, 100, area.left(), area.top());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void printerThatIsNotInstalledFailsTheCommand() {
        TIniFile ini(data.filePath("zeda.ini"));
        QVERIFY(ini.WriteString("ZEDA", "Druck1", "Not_There"));
        const TToolRun r = RunTool(
            ZEDACTL_PATH,
            {"print", data.filePath("D2031-07.ZMF"), "--days", "1-1", "--data-dir", data.path()},
            env);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(QString::fromUtf8(r.err).contains("Es kann nicht gedruckt werden!"));
    }
};

QTEST_MAIN(TestPrintCups)
#include "tst_printcups.moc"
