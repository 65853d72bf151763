#include "Fmonthtestsupport.h"

#include "files/Fexceptions.h"
#include "files/Fexceptionstate.h"
#include "files/Fexport.h"
#include "view/Uchildbase.h"

#include <QMdiArea>
#include <QPaintEvent>
#include <QTest>

namespace {

// Counts the paint events of the plot area.
struct TPaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// The diagram window's commands for exception periods, export and backup.
class TestExceptionWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m = std::make_unique<TMonthFixture>();
        QVERIFY(m->Make());
        Config = m->fx.config.get();
        area = std::make_unique<QMdiArea>();
        w = new TfmChildData(m->fx.env, m->path);
        area->addSubWindow(w);
        w->resize(800, 500);
        area->show();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(area.get()));
        QVERIFY(w->Loaded());
    }
    void cleanup() {
        area.reset();
        Config = nullptr;
        m.reset();
    }

    void setAndClearRedraw() {
        MonthDocument& d = w->Document();
        d.display.channelVisible.fill(0);
        d.display.channelVisible[2] = 1;
        d.display.markStart = 60;
        d.display.markEnd = 120;
        TPaintCounter counter;
        w->pw->installEventFilter(&counter);

        // A caption with a character beyond ASCII keeps its Windows-1252 byte.
        QVERIFY(w->ExceptionCommand(QString::fromUtf8("Öl W Ölwechsel")));
        QTRY_VERIFY(counter.paints > 0);
        char code[5] = {};
        QCOMPARE(ExceptionAt(d, 2, 90, code), 1);
        QCOMPARE(QByteArray(code, 5), QByteArray(5, '\0'));
        QVERIFY(w->ExceptionCommand("!Not Notiz") == false);
        QCOMPARE(m->fx.messages.Texts(), QStringList{ExceptionOverlapText()});

        counter.paints = 0;
        QVERIFY(w->ExceptionCommand("ClearExcept"));
        QTRY_VERIFY(counter.paints > 0);
        QCOMPARE(ExceptionAt(d, 2, 90), 0);
        QCOMPARE(HeaderExceptionCount(m->Bytes()), 0);
    }

    void codeTakesTheCaptionsBytes() {
        MonthDocument& d = w->Document();
        d.display.markStart = 0;
        d.display.markEnd = 10;
        QVERIFY(w->ExceptionCommand(QString::fromUtf8("Ölst Ölstand")));
        const ExceptionPeriod p = ReadExceptionPeriod(d.exceptions, 0);
        QCOMPARE(QByteArray(p.code.data(), 4), QByteArray("\xd6lst"));
        QCOMPARE(p.channelMask, uint16_t(0x3FFF));
    }

    void exportAndBackup() {
        MonthDocument& d = w->Document();
        d.display.markStart = 0;
        d.display.markEnd = 1;
        d.display.channelVisible.fill(0);
        d.display.channelVisible[0] = 1;
        const QString csv = m->fx.Path("x.csv");
        QVERIFY(w->ExportMarkedRange(csv));
        QCOMPARE(ReadBytes(csv), QByteArray("Datum/Uhrzeit;Kanal 1 (V)\r\n"
                                            "2026-03-01 00:00;0\r\n"
                                            "2026-03-01 00:01;0\r\n"));
        QTemporaryDir target;
        w->File()->freeSpace = [](const QString&) { return qint64(1) << 40; };
        QVERIFY(w->BackupTo(target.path()));
        QCOMPARE(ReadBytes(target.filePath("D2026-03.ZMF")), m->Bytes());
        QVERIFY(!w->BackupTo(target.path()));
        QCOMPARE(m->fx.messages.Texts().last(), QString("Error - File exist!"));
        // Import is refused: the data directory holds that valid file.
        QVERIFY(!w->ImportFile(target.filePath("D2026-03.ZMF"), m->path));
        QCOMPARE(
            m->fx.messages.Texts().last(),
            QString("Die zu importierende Monatsdatei befindet sich bereits auf Ihrem System!"));
    }

private:
    std::unique_ptr<TMonthFixture> m;
    std::unique_ptr<QMdiArea> area;
    TfmChildData* w = nullptr;
};

QTEST_MAIN(TestExceptionWindow)
#include "tst_exceptionwindow.moc"
