// Which language the programs speak, and the catalogues they carry.
#include "config/Cclock.h"
#include "config/Fforpeople.h"
#include "config/Flanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>

Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(QProcessEnvironment)

namespace {

QProcessEnvironment Env(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars)
        env.insert(name, value);
    return env;
}

QString Backup() {
    return QCoreApplication::translate("Fbackup", "Error - File exist!");
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallLanguage(*QCoreApplication::instance(), Language::Source); }

    void localeDecides_data() {
        QTest::addColumn<QProcessEnvironment>("env");
        QTest::addColumn<Language>("language");
        QTest::newRow("de_AT") << Env({{"LANG", "de_AT.UTF-8"}}) << Language::German;
        QTest::newRow("plain de") << Env({{"LANG", "de"}}) << Language::German;
        QTest::newRow("fr") << Env({{"LANG", "fr_FR.UTF-8"}}) << Language::English;
        QTest::newRow("en_GB") << Env({{"LANG", "en_GB.UTF-8"}}) << Language::English;
        QTest::newRow("C.UTF-8") << Env({{"LANG", "C.UTF-8"}}) << Language::Source;
        QTest::newRow("POSIX") << Env({{"LANG", "POSIX"}}) << Language::Source;
        QTest::newRow("C with modifier") << Env({{"LANG", "C.UTF-8@x"}}) << Language::Source;
        QTest::newRow("nothing set") << Env({}) << Language::Source;
        QTest::newRow("LANGUAGE list, first entry")
            << Env({{"LANGUAGE", "de_DE:en"}, {"LANG", "C"}}) << Language::German;
        QTest::newRow("LANGUAGE list, empty first entry")
            << Env({{"LANGUAGE", ":fr:de"}, {"LANG", "de_DE"}}) << Language::English;
        QTest::newRow("empty LANGUAGE skipped")
            << Env({{"LANGUAGE", ""}, {"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE"}})
            << Language::Source;
        QTest::newRow("LC_ALL before LC_MESSAGES")
            << Env({{"LC_ALL", "de_CH"}, {"LC_MESSAGES", "en_US"}}) << Language::German;
        QTest::newRow("empty LC_ALL skipped")
            << Env({{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE"}, {"LANG", "C"}}) << Language::German;
        QTest::newRow("LANG last")
            << Env({{"LC_MESSAGES", ""}, {"LANG", "de_DE"}}) << Language::German;
        QTest::newRow("French in Germany") << Env({{"LANG", "fr_DE.UTF-8"}}) << Language::English;
    }
    void localeDecides() {
        QFETCH(QProcessEnvironment, env);
        QFETCH(Language, language);
        QCOMPARE(LanguageOfEnvironment(env), language);
    }

    void optionBeatsStoredChoiceBeatsLocale() {
        const QProcessEnvironment de = Env({{"LANG", "de_DE.UTF-8"}});
        QCOMPARE(ChooseLanguage("en", "source", de), Language::English);
        QCOMPARE(ChooseLanguage("", "source", de), Language::Source);
        QCOMPARE(ChooseLanguage("", " en ", de), Language::English);
        QCOMPARE(ChooseLanguage("", "", de), Language::German);
        QCOMPARE(ChooseLanguage("", "klingon", de), Language::German);
        QCOMPARE(ChooseLanguage("source", "de", de), Language::Source);
        QVERIFY(!ParseLanguage("EN"));
        QVERIFY(!ParseLanguage("C"));
    }

    void languageOptionIsTakenOutAnywhere() {
        QByteArray a[] = {"zedactl", "info", "--language", "de", "F", "--language=en", "G"};
        char* argv[8];
        for (int i = 0; i < 7; ++i)
            argv[i] = a[i].data();
        argv[7] = nullptr;
        QCOMPARE(LanguageOption(7, argv), QByteArray("de"));
        const int argc = RemoveLanguageOption(7, argv);
        QCOMPARE(argc, 4);
        QCOMPARE(QByteArray(argv[1]), QByteArray("info"));
        QCOMPARE(QByteArray(argv[2]), QByteArray("F"));
        QCOMPARE(QByteArray(argv[3]), QByteArray("G"));
        QCOMPARE(argv[4], nullptr);
        QCOMPARE(LanguageOption(argc, argv), QByteArray());
    }

    void storedChoiceIsOneKey() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("zeda.ini");
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[ZEDA]\nBetriebsort=Nord\n");
        f.close();
        QCOMPARE(StoredLanguage(ini), QByteArray());
        QVERIFY(StoreLanguage(ini, "de"));
        QCOMPARE(StoredLanguage(ini), QByteArray("de"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[ZEDA]\nBetriebsort=Nord\nLanguage=de\n"));
    }

    // One form a language for every time on screen: the date alone and the
    // time alone are its two halves; a clock that reads as no date is shown
    // as it reads, and a stored minute that is none stays as it is.
    void timesOnScreenTakeTheLanguagesOneForm_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("source") << Language::Source
                                << QStringList{"2026.03.05 /  9:07", "2026.03.05", " 9:07",
                                               "2026.03.05 /  9:07:03", "2026.12.31 / 23:59"};
        QTest::newRow("English") << Language::English
                                 << QStringList{"2026-03-05 09:07", "2026-03-05", "09:07",
                                                "2026-03-05 09:07:03", "2026-12-31 23:59"};
        QTest::newRow("German") << Language::German
                                << QStringList{"05.03.2026 09:07", "05.03.2026", "09:07",
                                               "05.03.2026 09:07:03", "31.12.2026 23:59"};
    }
    void timesOnScreenTakeTheLanguagesOneForm() {
        QFETCH(Language, language);
        QFETCH(QStringList, expected);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), language));
        const LocalTime t{2026, 3, 5, 9, 7, 3};
        QCOMPARE((QStringList{FormatDateTimeForPeople(t), FormatDateForPeople(2026, 3, 5),
                              FormatTimeForPeople(9, 7), FormatDateTimeSecondsForPeople(t),
                              StoredMinuteForPeople("2026-12-31 23:59")}),
                 expected);
        QCOMPARE(FormatDateForPeople(1980, 0, 0), QString("1980.00.00"));
        QCOMPARE(FormatDateTimeForPeople({2010, 13, 1, 7, 5, 0}), QString("2010.13.01 /  7:05"));
        QCOMPARE(StoredMinuteForPeople(""), QString());
        QCOMPARE(StoredMinuteForPeople("2026-02-30 10:00"), QString("2026-02-30 10:00"));
    }

    // In Germany 02:00 to 02:59 of 29 March 2026 do not exist; a unit that
    // keeps winter time stores them all the same.
    void skippedSummerMinuteIsShownAsStored() {
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
        const QString shown = FormatDateTimeForPeople({2026, 3, 29, 2, 30, 0});
        const QString stored = StoredMinuteForPeople("2026-03-29 02:30");
        if (zone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", zone);
        tzset();
        QCOMPARE(shown, QString("2026.03.29 /  2:30"));
        QCOMPARE(stored, shown);
    }

    void catalogueReplacesTheLanguageBefore() {
        QCoreApplication& app = *QCoreApplication::instance();
        QVERIFY(InstallLanguage(app, Language::German));
        QCOMPARE(Backup(), QString("Die Datei ist bereits vorhanden."));
        // Qt's own buttons speak German too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
        QCOMPARE(GuideResource(), QString(":/docs/zeda-help.de.html"));
        QVERIFY(InstallLanguage(app, Language::English));
        QCOMPARE(Backup(), QString("The file already exists."));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
        QCOMPARE(GuideResource(), QString(":/docs/zeda-help.html"));
        QVERIFY(InstallLanguage(app, Language::Source));
        QCOMPARE(Backup(), QString("Error - File exist!"));
        QCOMPARE(InstalledLanguage(), Language::Source);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
