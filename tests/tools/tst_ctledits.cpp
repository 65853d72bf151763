#include "Fctlrun.h"

#include "config/Fscramble.h"
#include "files/Fmonthfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool WriteFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// zedactl password --stdin with the given input.
Run Password(const QString& data, const QByteArray& input) {
    QProcess p;
    p.start(QStringLiteral(ZEDACTL_PATH), {"password", "--admin", "--stdin", "--data-dir", data});
    p.write(input);
    p.closeWriteChannel();
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitCode();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace

// zedactl's edits of lists and settings: they change what they are asked
// to, keep the rest, and refuse with a message what cannot be stored.
class TestCtlEdits : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString data;

private slots:
    void init() {
        data = dir.filePath(QString(QTest::currentTestFunction()) + "-" +
                            QString(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(QDir().mkpath(data));
    }

    // Lines after the 30th, blank and indented lines, CRLF: all gone after
    // any edit, with exit 0.
    void exceptionEditKeepsTheLinesItDoesNotShow() {
        const QString list = data + "/AUSNAHME.LST";
        QByteArray before;
        for (int i = 1; i <= 30; ++i)
            before += "E" + QByteArray::number(i) + "\r\n";
        before += "E31 hidden\r\n\r\n  indented\r\n";
        QVERIFY(WriteFile(list, before));
        const Run shown = Ctl({"exceptions", "--data-dir", data, "--list"});
        QCOMPARE(shown.exitCode, 0);
        QCOMPARE(shown.out.count('\n'), 30);
        QCOMPARE(shown.err, "warning: " + list.toUtf8() +
                                " holds more than the exception menu shows (it shows the first "
                                "30 lines, 70 characters of each, up to a NUL byte, and no "
                                "indented line); all of it is kept.\n");
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--set", "2", "ZWEI"}).exitCode, 0);
        QByteArray expected = before;
        expected.replace(4, 2, "ZWEI");
        QCOMPARE(ReadFile(list), expected);
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--delete", "1"}).exitCode, 0);
        expected.remove(0, 4);
        QCOMPARE(ReadFile(list), expected);
        // Line 31 is now line 30: shown, and the list is full again.
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--list"}).out.right(11),
                 QByteArray("E31 hidden\n"));
        const Run full = Ctl({"exceptions", "--data-dir", data, "--add", "NEU"});
        QCOMPARE(full.exitCode, 1);
        QCOMPARE(ReadFile(list), expected);
    }

    void passwordFromCrlfInputLosesItsCr() {
        const Run r = Password(data, "abc\r\nabc\r\n");
        QCOMPARE(r.exitCode, 0);
        QVERIFY(ReadFile(data + "/zeda.ini").contains("KennwortAdmin=" +
                                                      ScramblePassword(PasswordKey, "abc")));
    }

    void passwordWithAControlCharacterOrTooLongIsRefused_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("refusal");
        QTest::newRow("NUL") << QByteArray("ab\0c\nab\0c\n", 10)
                             << QByteArray("A password cannot hold control characters.");
        QTest::newRow("escape") << QByteArray("ab\x1b\nab\x1b\n")
                                << QByteArray("A password cannot hold control characters.");
        QTest::newRow("two CRs") << QByteArray("ab\r\r\nab\r\r\n")
                                 << QByteArray("A password cannot hold control characters.");
        const QByteArray longOne(128, 'x');
        QTest::newRow("128 characters") << longOne + "\n" + longOne + "\n"
                                        << QByteArray("A password holds at most 127 characters.");
    }

    void passwordWithAControlCharacterOrTooLongIsRefused() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, refusal);
        const Run r = Password(data, input);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(refusal), r.err.constData());
        QVERIFY(!ReadFile(data + "/zeda.ini").contains("KennwortAdmin"));
        const QByteArray longest(127, 'x');
        QCOMPARE(Password(data, longest + "\n" + longest + "\n").exitCode, 0);
    }

    void operatorNameOutsideTheCodePageIsRefused() {
        const Run r = Ctl({"operators", "--data-dir", data, "--add", QString::fromUtf8("Пётр")});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QByteArray("error: An operator name can only use letters, digits and "
                                   "signs of Western European languages: \"П\" cannot be "
                                   "stored.\n"));
        QVERIFY(!QFile::exists(data + "/operator.dat"));
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--add", QString::fromUtf8("Jörg")})
                     .exitCode,
                 0);
        QCOMPARE(ReadFile(data + "/operator.dat").left(5), QByteArray("J\xF6rg\0", 5));
    }

    void channelNameOutsideTheCodePageIsRefused() {
        const Run r = Ctl({"channel", "--data-dir", data, "3", "--set",
                           QString::fromUtf8("name=Давление")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("A channel name can only use letters"), r.err.constData());
        QVERIFY(!ReadFile(data + "/zeda.ini").contains("Kanal_3"));
    }

    // It printed nothing and exited 0.
    void printWithoutAChosenPrinterFails() {
        const QString month = data + "/D2026-03.ZMF";
        QVERIFY(WriteFile(data + "/zeda.ini", "[ZEDA]\r\nBetriebsort=Werk\r\n"));
        QCOMPARE(Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 14:00", "--minutes",
                      "3"})
                     .exitCode,
                 0);
        QVERIFY(QFile::exists(month));
        const Run r = Ctl({"print", "--data-dir", data, month, "--days", "10-10"});
        QCOMPARE(r.exitCode, 1);
        // (Qt may add a line of its own before.)
        QVERIFY2(r.err.endsWith(
                     QByteArray("error: Es kann nicht gedruckt werden!\nzedactl print: no printer is "
                            "chosen; printers are chosen in the program under Admin > "
                            "Printers... (the INI keys Druck1, Druck2 and Druckparameter)\n")),
                 r.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCtlEdits)
#include "tst_ctledits.moc"
