#include "Fctlrun.h"

#include "config/Fscramble.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// zedactl's edits of lists and settings: they keep what they are not asked
// to change and refuse with a message what cannot be stored.
class TestCtlEdits : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString data;

    Run Password(const QByteArray& input) {
        QProcess p;
        p.start(QStringLiteral(ZEDACTL_PATH),
                {"password", "--admin", "--stdin", "--data-dir", data});
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished();
        return {p.exitCode(), QByteArray(), p.readAllStandardError()};
    }

private slots:
    void init() {
        data = dir.filePath(QString(QTest::currentTestFunction()) + QTest::currentDataTag());
        QVERIFY(QDir().mkpath(data));
    }

    void listSaysWhenTheFileHoldsMoreThanTheMenuShows() {
        QFile f(data + "/AUSNAHME.LST");
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("A\r\n  indented\r\n") == 15);
        f.close();
        const Run r = Ctl({"exceptions", "--data-dir", data, "--list"});
        QVERIFY2(r.out == "A\n" && r.err.contains("holds more than the exception menu shows"),
                 r.err.constData());
    }

    void passwordFromStdin_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("refusal");
        QTest::newRow("CRLF") << QByteArray("abc\r\nabc\r\n") << QByteArray();
        QTest::newRow("NUL") << QByteArray("ab\0c\nab\0c\n", 10)
                             << QByteArray("A password cannot hold control characters.");
        QTest::newRow("128") << QByteArray(128, 'x') + "\n" + QByteArray(128, 'x') + "\n"
                             << QByteArray("A password holds at most 127 characters.");
    }

    // "abc\r" was stored from CRLF input, and the login then refused "abc".
    void passwordFromStdin() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, refusal);
        const Run r = Password(input);
        QCOMPARE(r.exitCode, refusal.isEmpty() ? 0 : 1);
        QVERIFY2(r.err.contains(refusal), r.err.constData());
        QCOMPARE(ReadFile(data + "/zeda.ini")
                     .contains("KennwortAdmin=" + ScramblePassword(PasswordKey, "abc")),
                 refusal.isEmpty());
    }

    void locationOutsideTheCodePageIsRefused() {
        const Run r = Ctl({"location", "--data-dir", data, "--set", QString::fromUtf8("Завод 1")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("The location can only use"), r.err.constData());
        QCOMPARE(Ctl({"location", "--data-dir", data, "--set", QString::fromUtf8("Süd")}).exitCode,
                 0);
        QCOMPARE(Ctl({"location", "--data-dir", data}).out, QByteArray("Süd\n"));
        QVERIFY(ReadFile(data + "/zeda.ini")
                    .contains("Betriebsort=S\xFC"
                              "d"));
    }

    // It printed nothing and exited 0.
    void printWithoutAChosenPrinterFails() {
        QCOMPARE(
            Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 14:00", "--minutes", "3"})
                .exitCode,
            0);
        const Run r = Ctl({"print", "--data-dir", data, data + "/D2026-03.ZMF", "--days", "10-10"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.endsWith("error: Es kann nicht gedruckt werden!\nzedactl print: no printer "
                                "is chosen; printers are chosen in the program under Admin > "
                                "Printers... (the INI keys Druck1, Druck2 and Druckparameter)\n"),
                 r.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCtlEdits)
#include "tst_ctledits.moc"
