#include "Fmonthtestsupport.h"

#include "files/Fexceptions.h"
#include "files/Fexceptionstate.h"

#include <QTest>

// Exception periods: the exception list, setting and clearing periods in a
// month file, and what happens when the file cannot be written.
class TestExceptions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void overlap_data();
    void overlap();
    void fullTable();
    void clearNeedsTheSameChannels();
    void clearFirstOfThree();
    void codes_data();
    void codes();
    void unusedChannelsStayOutOfTheMask();
    void onlyFirstMarkRunsToTheEnd();
    void failedWriteKeepsTable_data();
    void failedWriteKeepsTable();
    void failedWriteOfTheTable();
    void otherWindowNoticesTheChange();
    void exceptionPeriodsSurviveTwoWindowsOnOneFile();

    void menu_data();
    void menu();
    void menuFromMissingOrEmptyFile();

private:
    bool Set(uint16_t from, uint16_t to, std::initializer_list<int> channels,
             const QByteArray& text = "ABCD Beschreibung") {
        m->Mark(from, to);
        m->Show(channels);
        return ApplyException(m->doc, text, m->fx.messages, m->fx.env.lockWaitMs);
    }
    bool Clear(uint16_t from, uint16_t to, std::initializer_list<int> channels) {
        return Set(from, to, channels, ClearExceptText);
    }
    ExceptionPeriod Entry(int i) const { return ReadExceptionPeriod(m->doc.exceptions, i); }
    int Count() const { return HeaderExceptionCount(m->doc.header); }
    // The count and table on disk.
    int FileCount() const { return HeaderExceptionCount(m->Bytes()); }
    QByteArray FileTable() const {
        return m->Bytes().mid(ExceptionTableOffset(33), ExceptionTableSize);
    }
    QString WriteList(const QByteArray& bytes) {
        const QString p = m->fx.Path("AUSNAHME.LST");
        WriteBytes(p, bytes);
        return p;
    }

    std::unique_ptr<TMonthFixture> m;
};

void TestExceptions::init() {
    m = std::make_unique<TMonthFixture>();
    QVERIFY(m->Make());
}

void TestExceptions::cleanup() {
    m.reset();
}

void TestExceptions::overlap_data() {
    QTest::addColumn<uint16_t>("from");
    QTest::addColumn<uint16_t>("to");
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("accepted");
    // The first period: 10:00-11:00 on channels 1-3.
    QTest::newRow("encloses, common channel") << At(1, 9, 0) << At(1, 12, 0) << 2 << false;
    QTest::newRow("encloses, other channel") << At(1, 9, 0) << At(1, 12, 0) << 4 << true;
    QTest::newRow("starts at its last minute") << At(1, 11, 0) << At(1, 11, 30) << 1 << false;
    QTest::newRow("ends at its first minute") << At(1, 9, 0) << At(1, 10, 0) << 3 << false;
    QTest::newRow("starts a minute after it") << At(1, 11, 1) << At(1, 12, 0) << 1 << true;
    QTest::newRow("inside") << At(1, 10, 30) << At(1, 10, 30) << 1 << false;
    QTest::newRow("next day") << At(2, 10, 0) << At(2, 11, 0) << 1 << true;
}

void TestExceptions::overlap() {
    QFETCH(uint16_t, from);
    QFETCH(uint16_t, to);
    QFETCH(int, channel);
    QFETCH(bool, accepted);
    QVERIFY(Set(At(1, 10, 0), At(1, 11, 0), {1, 2, 3}));
    const QByteArray before = m->Bytes();
    const QByteArray table = m->doc.exceptions;

    QCOMPARE(Set(from, to, {channel}, "XY12 zweite"), accepted);
    if (accepted) {
        QCOMPARE(Count(), 2);
        QCOMPARE(FileCount(), 2);
        const ExceptionPeriod p = Entry(1);
        QCOMPARE(p.from, from);
        QCOMPARE(p.to, to);
        QCOMPARE(p.channelMask, uint16_t(1u << (channel - 1)));
        QCOMPARE(QByteArray(p.code.data(), 4), QByteArray("XY12"));
        QCOMPARE(FileTable(), m->doc.exceptions);
        QVERIFY(m->fx.messages.shown.isEmpty());
    } else {
        QCOMPARE(m->fx.messages.Texts(), QStringList{ExceptionOverlapText()});
        QCOMPARE(m->fx.messages.shown[0].kind, TMessages::Error);
        QCOMPARE(Count(), 1);
        QCOMPARE(m->doc.exceptions, table);
        QCOMPARE(m->Bytes(), before);
    }
}

void TestExceptions::fullTable() {
    for (int i = 0; i < MaxExceptions; ++i)
        QVERIFY(Set(uint16_t(2 * i), uint16_t(2 * i), {1}));
    QCOMPARE(FileCount(), 500);
    const QByteArray before = m->Bytes();
    QVERIFY(!Set(5000, 5000, {1}));
    QCOMPARE(m->fx.messages.Texts(), QStringList{ExceptionTableFullText()});
    QCOMPARE(m->Bytes(), before);
    QCOMPARE(Count(), 500);
    // Clearing one makes room again.
    QVERIFY(Clear(10, 10, {1}));
    QCOMPARE(FileCount(), 499);
    QVERIFY(Set(5000, 5000, {1}));
    QCOMPARE(FileCount(), 500);
    QCOMPARE(Entry(499).from, 5000);
}

void TestExceptions::clearNeedsTheSameChannels() {
    QVERIFY(Set(100, 200, {1, 2}));
    const QByteArray before = m->Bytes();
    QVERIFY(!Clear(100, 200, {1, 2, 3}));
    QCOMPARE(m->fx.messages.Texts(), QStringList{ExceptionMismatchText()});
    QVERIFY(!Clear(100, 201, {1, 2}));
    QCOMPARE(m->Bytes(), before);
    QCOMPARE(Count(), 1);
    QVERIFY(Clear(100, 200, {1, 2}));
    QCOMPARE(FileCount(), 0);
    QCOMPARE(FileTable(), QByteArray(ExceptionTableSize, '\0'));
}

void TestExceptions::clearFirstOfThree() {
    QVERIFY(Set(10, 20, {1}, "AAAA"));
    QVERIFY(Set(30, 40, {2}, "BBBB"));
    QVERIFY(Set(50, 60, {3}, "CCCC"));
    const ExceptionPeriod second = Entry(1);
    const ExceptionPeriod third = Entry(2);
    QVERIFY(Clear(10, 20, {1}));
    QCOMPARE(Count(), 2);
    QCOMPARE(Entry(0), second);
    QCOMPARE(Entry(1), third);
    QCOMPARE(m->doc.exceptions.mid(20), QByteArray(ExceptionTableSize - 20, '\0'));
    QCOMPARE(FileCount(), 2);
    QCOMPARE(FileTable(), m->doc.exceptions);
}

void TestExceptions::codes_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("state");
    QTest::newRow("four characters") << QByteArray("WART Wartung") << QByteArray("WART") << 1;
    QTest::newRow("blank within four") << QByteArray("AB Wort") << QByteArray(4, '\0') << 1;
    QTest::newRow("tab within four") << QByteArray("ABC\tx") << QByteArray(4, '\0') << 1;
    QTest::newRow("short text") << QByteArray("Ab") << QByteArray(4, '\0') << 1;
    QTest::newRow("note only") << QByteArray("!Not Hinweis") << QByteArray("!Not") << 2;
    QTest::newRow("note with blank") << QByteArray("! x") << QByteArray(4, '\0') << 1;
    QTest::newRow("Windows-1252") << QByteArray("\xc4nde") << QByteArray("\xc4nde") << 1;
}

void TestExceptions::codes() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, code);
    QFETCH(int, state);
    QCOMPARE(ExceptionCode(text), code);
    QVERIFY(Set(At(3, 8, 0), At(3, 9, 0), {2, 5}, text));
    QCOMPARE(QByteArray(Entry(0).code.data(), 4), code);
    QCOMPARE(FileTable().left(10), m->doc.exceptions.left(10));
    char buffer[5] = "xxxx";
    QCOMPARE(ExceptionAt(m->doc, 4, At(3, 9, 0), buffer), state);
    QCOMPARE(QByteArray(buffer, 5), code + '\0');
    QCOMPARE(ExceptionAt(m->doc, 2, At(3, 8, 30)), 0);
    QCOMPARE(ExceptionAt(m->doc, 1, At(3, 9, 1)), 0);
}

void TestExceptions::unusedChannelsStayOutOfTheMask() {
    QByteArray defs = HeaderChannelBytes(m->doc.header);
    PutU16(defs, 4 * ChannelDef::Size, 0); // channel 5 not in use
    SetHeaderChannelBytes(m->doc.header, defs);
    m->Show({1, 5});
    QCOMPARE(WindowChannelMask(m->doc), uint16_t(0x0001));
    m->doc.display.channelVisible.fill(1);
    QCOMPARE(WindowChannelMask(m->doc), uint16_t(0x3FEF));
}

void TestExceptions::onlyFirstMarkRunsToTheEnd() {
    QVERIFY(Set(At(5, 0, 0), MonthDisplay::NoMark, {1}));
    QCOMPARE(Entry(0).to, 65535);
    QCOMPARE(ExceptionAt(m->doc, 0, 47519), 1);
}

void TestExceptions::failedWriteKeepsTable_data() {
    QTest::addColumn<bool>("clearing");
    QTest::newRow("set") << false;
    QTest::newRow("clear") << true;
}

void TestExceptions::failedWriteKeepsTable() {
    QFETCH(bool, clearing);
    QVERIFY(Set(100, 200, {1}));
    m->fx.messages.Clear();
    const QByteArray before = m->Bytes();
    const QByteArray table = m->doc.exceptions;
    TForeignLock lock(m->path, LOCK_SH);
    QVERIFY(lock.Locked());
    QVERIFY(!(clearing ? Clear(100, 200, {1}) : Set(300, 400, {1})));
    QCOMPARE(m->fx.messages.Texts(),
             QStringList{"Error - File " + m->path + " cannot be written!"});
    QCOMPARE(m->fx.messages.shown[0].kind, TMessages::Error);
    QCOMPARE(Count(), 1);
    QCOMPARE(m->doc.exceptions, table);
    QCOMPARE(m->Bytes(), before);
}

void TestExceptions::failedWriteOfTheTable() {
    // The count lies within the limit, the table beyond it.
    const QByteArray before = m->Bytes();
    {
        TFileSizeLimit limit(4096);
        QVERIFY(limit.Active());
        QVERIFY(!Set(100, 200, {1}));
    }
    QCOMPARE(m->fx.messages.Texts(),
             QStringList{"Error - File " + m->path + " cannot be written!"});
    QCOMPARE(Count(), 0);
    QCOMPARE(m->doc.exceptions, QByteArray(ExceptionTableSize, '\0'));
    QCOMPARE(m->Bytes(), before);
}

void TestExceptions::otherWindowNoticesTheChange() {
    // The running-month window on the same file keeps its own copy.
    MonthDocument running;
    TFileAct act(&running, m->fx.env, *m->fx.config);
    uint8_t y = 0;
    uint8_t mo = 0;
    QCOMPARE(TFileBase::Validate(m->path, y, mo), 0);
    QVERIFY(act.Open(m->path, y, mo));
    QVERIFY(!act.ReloadExceptions());
    QVERIFY(Set(100, 200, {1, 2}));
    QVERIFY(act.ReloadExceptions());
    QCOMPARE(running.exceptions, m->doc.exceptions);
    QCOMPARE(ExceptionAt(running, 1, 150), 1);
    QVERIFY(!act.ReloadExceptions());
}

void TestExceptions::exceptionPeriodsSurviveTwoWindowsOnOneFile() {
    // Window B and the running month's file object show the same file as
    // window A; each keeps its own copy of the table.
    MonthDocument other;
    TFileData b(&other, m->fx.env);
    QVERIFY(b.Open(m->path, Year(2026), 3));
    other.display.channelVisible[0] = 1;
    MonthDocument running;
    TFileAct act(&running, m->fx.env, *m->fx.config);
    QVERIFY(act.WriteRecord(Record(2026, 3, 1, 0, 0)));

    QVERIFY(Set(100, 200, {1}));
    other.display.markStart = 300;
    other.display.markEnd = 400;
    QVERIFY(b.ApplyException("WART Wartung")); // B has not seen A's period
    QCOMPARE(FileCount(), 2);
    QVERIFY(Clear(100, 200, {1}));
    QCOMPARE(FileCount(), 1);
    // A stored record writes neither count nor table back.
    QVERIFY(act.WriteRecord(Record(2026, 3, 1, 0, 1)));
    QCOMPARE(FileCount(), 1);
    QCOMPARE(ReadExceptionPeriod(FileTable(), 0).from, uint16_t(300));
    QCOMPARE(HeaderExceptionCount(running.header), 1);

    // One cleared and another set: the count is the same, the table is not.
    QVERIFY(b.ReloadExceptions());
    QVERIFY(Set(500, 600, {1}));
    QVERIFY(Clear(300, 400, {1}));
    QCOMPARE(FileCount(), 1);
    QVERIFY(b.ReloadExceptions());
    QCOMPARE(ReadExceptionPeriod(other.exceptions, 0).from, uint16_t(500));
    QVERIFY(m->fx.messages.shown.isEmpty());
}

void TestExceptions::menu_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QList<QByteArray>>("texts");
    QTest::addColumn<QList<int>>("tags");

    QByteArray forty;
    QList<QByteArray> thirty;
    QList<int> thirtyTags;
    for (int i = 1; i <= 40; ++i) {
        const QByteArray line = "L" + QByteArray::number(i).rightJustified(3, '0') + " Zeile";
        forty += line + "\r\n";
        if (i <= 30) {
            thirty << line;
            thirtyTags << i;
        }
    }
    QTest::newRow("40 lines") << forty << thirty << thirtyTags;
    QTest::newRow("skipped lines count")
        << QByteArray("A1 eins\n\n B2 blank\n\tC3 tab\r\nD4 vier\n\r\nE5 last")
        << QList<QByteArray>{"A1 eins", "D4 vier", "E5 last"} << QList<int>{1, 5, 7};
    QTest::newRow("CR ends the text") << QByteArray("WART Wartung\rRest\nX\n")
                                      << QList<QByteArray>{"WART Wartung", "X"} << QList<int>{1, 2};
    QTest::newRow("70 characters")
        << QByteArray(80, 'a') + "\nb" << QList<QByteArray>{QByteArray(70, 'a'), "b"}
        << QList<int>{1, 2};
    QTest::newRow("Windows-1252 bytes")
        << QByteArray("St\xf6rung\n") << QList<QByteArray>{"St\xf6rung"} << QList<int>{1};
    // The 2160th byte ends the text in the middle of the third line.
    QTest::newRow("2160 bytes") << QByteArray(1000, 'x') + '\n' + QByteArray(1000, 'y') + '\n' +
                                       QByteArray(300, 'z') + "\nlost\n"
                                << QList<QByteArray>{QByteArray(70, 'x'), QByteArray(70, 'y'),
                                                     QByteArray(70, 'z')}
                                << QList<int>{1, 2, 3};
    QTest::newRow("blank lines only")
        << QByteArray("\n\n  \n") << QList<QByteArray>{} << QList<int>{};
}

void TestExceptions::menu() {
    QFETCH(QByteArray, list);
    QFETCH(QList<QByteArray>, texts);
    QFETCH(QList<int>, tags);
    std::vector<ExceptionMenuEntry> entries{{"old", 9}};
    QVERIFY(LoadExceptionMenu(WriteList(list), entries));
    QList<QByteArray> gotTexts;
    QList<int> gotTags;
    for (const ExceptionMenuEntry& e : entries) {
        gotTexts << e.text;
        gotTags << e.tag;
    }
    QCOMPARE(gotTexts, texts);
    QCOMPARE(gotTags, tags);
    QVERIFY(m->fx.messages.shown.isEmpty());
}

void TestExceptions::menuFromMissingOrEmptyFile() {
    std::vector<ExceptionMenuEntry> entries{{"old", 9}};
    QVERIFY(!LoadExceptionMenu(m->fx.Path("AUSNAHME.LST"), entries));
    QVERIFY(entries.empty());
    QVERIFY(!LoadExceptionMenu(WriteList(QByteArray()), entries));
    QVERIFY(entries.empty());
    QVERIFY(m->fx.messages.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestExceptions)
#include "tst_exceptions.moc"
