#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcalendar.h"

#include "Ftestfiles.h"

#include <QTemporaryDir>
#include <QTest>

class TstCalendar : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString Path() const { return FDir.filePath("zeda.ini"); }

private slots:
    void daysInMonth_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("Feb 2000") << 20 << 2 << 29;
        QTest::newRow("Feb 2001") << 21 << 2 << 28;
        QTest::newRow("Feb 2100") << 120 << 2 << 29;
        QTest::newRow("Feb 2200") << 220 << 2 << 29;
        QTest::newRow("Feb 1980") << 0 << 2 << 29;
        QTest::newRow("Feb 2026") << 46 << 2 << 28;
        QTest::newRow("Dec 2026") << 46 << 12 << 31;
        QTest::newRow("Apr 2026") << 46 << 4 << 30;
        QTest::newRow("Jan 2024") << 44 << 1 << 31;
        QTest::newRow("month 0") << 46 << 0 << 0;
        QTest::newRow("month 13") << 46 << 13 << 0;
    }
    void daysInMonth() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, days);
        QCOMPARE(DaysInMonth(uint8_t(year), uint8_t(month)), days);
    }

    void everyMonthHasItsDays() {
        const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int month = 1; month <= 12; ++month) {
            QCOMPARE(DaysInMonth(46, uint8_t(month)), days[month - 1]); // 2026
            QCOMPARE(DaysInMonth(44, uint8_t(month)), month == 2 ? 29 : days[month - 1]);
        }
    }

    void addMonths_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("newYear");
        QTest::addColumn<int>("newMonth");
        QTest::newRow("Jan - 1") << 46 << 1 << -1 << 45 << 12;
        QTest::newRow("Mar - 15") << 46 << 3 << -15 << 44 << 12;
        QTest::newRow("Nov + 3") << 46 << 11 << 3 << 47 << 2;
        QTest::newRow("Dec + 1") << 46 << 12 << 1 << 47 << 1;
        QTest::newRow("Jun + 24") << 46 << 6 << 24 << 48 << 6;
        QTest::newRow("Jun - 24") << 46 << 6 << -24 << 44 << 6;
        QTest::newRow("Jan - 12") << 46 << 1 << -12 << 45 << 1;
        QTest::newRow("Dec + 0") << 46 << 12 << 0 << 46 << 12;
        QTest::newRow("wrap below 1980") << 0 << 1 << -1 << 255 << 12;
        QTest::newRow("wrap above 2235") << 255 << 12 << 1 << 0 << 1;
    }
    void addMonths() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, count);
        uint8_t y = uint8_t(year);
        uint8_t m = uint8_t(month);
        AddMonths(y, m, count);
        QTEST(int(y), "newYear");
        QTEST(int(m), "newMonth");
    }

    void slotConversion_data() {
        QTest::addColumn<int>("fileYear");
        QTest::addColumn<int>("fileMonth");
        QTest::addColumn<int>("daysStored");
        QTest::addColumn<uint>("slot");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::newRow("Dec, first") << 46 << 12 << 33 << 0u << 2026 << 12 << 1 << 0;
        QTest::newRow("Dec 31 23:59") << 46 << 12 << 33 << 44639u << 2026 << 12 << 31 << 23;
        QTest::newRow("Dec, overflow") << 46 << 12 << 33 << 44640u << 2027 << 1 << 1 << 0;
        QTest::newRow("Dec, last") << 46 << 12 << 33 << 47519u << 2027 << 1 << 2 << 23;
        QTest::newRow("leap Feb 29") << 44 << 2 << 31 << 41759u << 2024 << 2 << 29 << 23;
        QTest::newRow("leap Feb, overflow") << 44 << 2 << 31 << 41760u << 2024 << 3 << 1 << 0;
        QTest::newRow("Feb, overflow") << 46 << 2 << 30 << 40320u << 2026 << 3 << 1 << 0;
        QTest::newRow("Apr, 13:00")
            << 46 << 4 << 32 << 1440u * 9 + 13 * 60 + 59 << 2026 << 4 << 10 << 13;
        QTest::newRow("Apr, overflow day 2")
            << 46 << 4 << 32 << 1440u * 31 + 60 << 2026 << 5 << 2 << 1;
    }
    void slotConversion() {
        QFETCH(int, fileYear);
        QFETCH(int, fileMonth);
        QFETCH(int, daysStored);
        QFETCH(uint, slot);
        const MonthInfo h{uint8_t(fileYear), uint8_t(fileMonth), uint16_t(daysStored), 2};
        QTEST(SlotYear(h, slot), "year");
        QTEST(SlotMonth(h, slot), "month");
        QTEST(SlotDay(h, slot), "day");
        QTEST(SlotHour(slot), "hour");
    }

    void midnight() {
        QVERIFY(IsMidnight(0));
        QVERIFY(IsMidnight(44640));
        QVERIFY(!IsMidnight(1439));
        QVERIFY(!IsMidnight(1441));
    }

    void parseRule_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QList<int>>("numbers"); // start m, d, h, end m, d, h
        QTest::newRow("example") << QByteArray("28.03/02,31.10/03") << true
                                 << QList<int>{3, 28, 2, 10, 31, 3};
        QTest::newRow("16 characters") << QByteArray("28.3/02,31.10/03") << false << QList<int>{};
        QTest::newRow("18 characters") << QByteArray("28.03/02,31.10/030") << false << QList<int>{};
        QTest::newRow("wrong separator")
            << QByteArray("28-03/02,31.10/03") << false << QList<int>{};
        QTest::newRow("blank at 8") << QByteArray("28.03/02 31.10/03") << false << QList<int>{};
        QTest::newRow("empty") << QByteArray() << false << QList<int>{};
        // 'A' - '0' = 17; the byte keeps 10 x 17 + 18 = 188.
        QTest::newRow("letters") << QByteArray("AB.CD/EF,GH.IJ/KL") << true
                                 << QList<int>{(10 * 19 + 20) % 256, 188,
                                               (10 * 21 + 22) % 256, (10 * 25 + 26) % 256,
                                               (10 * 23 + 24) % 256, (10 * 27 + 28) % 256};
        QTest::newRow("digit minus zero")
            << QByteArray("00.00/00,00.00/00") << true << QList<int>{0, 0, 0, 0, 0, 0};
    }
    void parseRule() {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(QList<int>, numbers);
        SummerRule r;
        QCOMPARE(ParseSummerRule(text, r), valid);
        if (valid)
            QCOMPARE((QList<int>{r.startMonth, r.startDay, r.startHour, r.endMonth, r.endDay,
                                 r.endHour}),
                     numbers);
    }

    void summerState_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("switchMinute");
        const QByteArray rule("[ZEDA]\nSZ_2026=28.03/02,31.10/03\n");
        QTest::newRow("January") << rule << 1 << 1 << 0;
        QTest::newRow("March") << rule << 3 << 3 << 39000;
        QTest::newRow("April") << rule << 4 << 2 << 0;
        QTest::newRow("June") << rule << 6 << 2 << 0;
        QTest::newRow("September") << rule << 9 << 2 << 0;
        QTest::newRow("October") << rule << 10 << 4 << 43380;
        QTest::newRow("November") << rule << 11 << 1 << 0;
        QTest::newRow("start = end month")
            << QByteArray("[ZEDA]\nSZ_2026=01.05/01,20.05/00\n") << 5 << 3 << 60;
        QTest::newRow("16 characters")
            << QByteArray("[ZEDA]\nSZ_2026=28.3/02,31.10/03\n") << 3 << 1 << 0;
        QTest::newRow("wrong separator")
            << QByteArray("[ZEDA]\nSZ_2026=28-03/02,31.10/03\n") << 6 << 1 << 0;
        QTest::newRow("other year only")
            << QByteArray("[ZEDA]\nSZ_2025=28.03/02,31.10/03\n") << 6 << 1 << 0;
        QTest::newRow("trimmed value")
            << QByteArray("[ZEDA]\nsz_2026 =  28.03/02,31.10/03 \n") << 10 << 4 << 43380;
        QTest::newRow("missing file") << QByteArray() << 6 << 1 << 0;
    }
    void summerState() {
        QFETCH(QByteArray, ini);
        QFETCH(int, month);
        QFile::remove(Path());
        if (!ini.isEmpty())
            QVERIFY(WriteBytes(Path(), ini));
        const SummerStateInfo s = SummerState(TIniFile(Path()), 46, uint8_t(month));
        QTEST(int(s.mode), "mode");
        QTEST(int(s.switchMinute), "switchMinute");
    }

    void inSummer_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("slot");
        QTest::addColumn<bool>("summer");
        QTest::newRow("none") << 1 << 20000u << false;
        QTest::newRow("whole month") << 2 << 0u << true;
        QTest::newRow("begins, before") << 3 << 38999u << false;
        QTest::newRow("begins, at") << 3 << 39000u << true;
        QTest::newRow("ends, before") << 4 << 38999u << true;
        QTest::newRow("ends, at") << 4 << 39000u << false;
        QTest::newRow("unknown mode") << 7 << 39000u << false;
        QTest::newRow("mode 0") << 0 << 39000u << false;
    }
    void inSummer() {
        QFETCH(int, mode);
        QFETCH(uint, slot);
        QFETCH(bool, summer);
        QCOMPARE(InSummer(SummerStateInfo{uint16_t(mode), 39000}, slot), summer);
    }
};

QTEST_GUILESS_MAIN(TstCalendar)
#include "tst_calendar.moc"
