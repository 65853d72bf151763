// The main window in each of the three languages: the texts come from the
// catalogue of the language chosen, or are the program's own.
#include "app/Uhelp.h"
#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Flanguage.h"
#include "support/Cmainwindowtest.h"
#include "support/Crecordingmessages.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

Q_DECLARE_METATYPE(Language)

class TestLanguageWindow : public TMainWindowTest {
    Q_OBJECT

    std::unique_ptr<TfmMain> MakeMain() {
        return std::make_unique<TfmMain>(env, [](int) { return 2; });
    }

    QByteArray missingPort = QFile::encodeName(dir.filePath("no-such-tty"));

    QByteArray Ini() const {
        QFile f(env.IniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        ResetEnv();
        QFile::remove(env.IniPath());
    }
    void cleanup() { InstallLanguage(*QCoreApplication::instance(), Language::Source); }

    void textsFollowTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("untranslated");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("guideTitle");
        QTest::addColumn<QString>("port");
        QTest::newRow("source") << Language::Source << "&Language"
                                << "The language takes effect at the next start."
                                << "Untranslated"
                                << "Error - File %1 cannot be written!"
                                << "ZEDA – user guide"
                                << "Communications port COM2 cannot connected!";
        QTest::newRow("en") << Language::English << "&Language"
                            << "The language takes effect at the next start."
                            << "Untranslated (the program's own texts)"
                            << "The file %1 cannot be written."
                            << "ZEDA – user guide"
                            << "Communication port COM2 cannot be opened.";
        QTest::newRow("de") << Language::German << "&Sprache"
                            << "Die Sprache gilt ab dem nächsten Start."
                            << "Unübersetzt (die eigenen Texte des Programms)"
                            << "Die Datei %1 kann nicht geschrieben werden."
                            << "ZEDA – Benutzerhandbuch"
                            << "Die Schnittstelle COM2 kann nicht geöffnet werden.";
    }
    void textsFollowTheLanguage() {
        QFETCH(Language, language);
        QFETCH(QString, menu);
        QFETCH(QString, hint);
        QFETCH(QString, untranslated);
        QFETCH(QString, message);
        QFETCH(QString, guideTitle);
        QFETCH(QString, port);
        InstallLanguage(*QCoreApplication::instance(), language);
        QFile f(env.IniPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[ZEDA]\nUnit=serial\nCOM1=" + missingPort + "\nCOM2=" + missingPort + "\n");
        f.close();
        auto w = MakeMain();
        // The port that cannot be opened at start (the port tried follows).
        QCOMPARE(messages.Texts().size(), 1);
        QCOMPARE(messages.Texts()[0].section('\n', 0, 0), port);
        messages.Clear();
        auto* languages = w->findChild<QMenu*>("mnLanguage");
        QVERIFY(languages);
        QCOMPARE(languages->title(), menu);
        QCOMPARE(w->findChild<QAction*>("LanguageGerman")->statusTip(), hint);
        QCOMPARE(w->findChild<QAction*>("LanguageGerman")->text(), QString("Deutsch"));
        QCOMPARE(w->findChild<QAction*>("LanguageSource")->text(), untranslated);

        // A choice that cannot be kept is reported in the same language.
        const QString elsewhere = dir.filePath("missing/dir");
        env.dataDir = elsewhere;
        w->findChild<QAction*>("LanguageEnglish")->trigger();
        QCOMPARE(messages.Texts(), QStringList{message.arg(elsewhere + "/zeda.ini")});

        TfmHelp help;
        QCOMPARE(help.txtHelp->documentTitle(), guideTitle);
    }

    void choiceIsKeptForTheNextStart() {
        QFile f(env.IniPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[ZEDA]\nLanguage=en\n");
        f.close();
        auto w = MakeMain();
        messages.Clear();
        QVERIFY(w->findChild<QAction*>("LanguageEnglish")->isChecked());
        // Usable with no diagram window, unlike the rest of the View menu.
        QVERIFY(w->findChild<QMenu*>("mnLanguage")->menuAction()->isEnabled());
        QVERIFY(!w->findChild<QMenu*>("mnScaleX")->menuAction()->isEnabled());
        w->findChild<QAction*>("LanguageGerman")->trigger();
        QCOMPARE(Ini(), QByteArray("[ZEDA]\nLanguage=de\n"));
        w->findChild<QAction*>("LanguageSystem")->trigger();
        QCOMPARE(Ini(), QByteArray("[ZEDA]\nLanguage=\n"));
        QVERIFY(messages.Texts().isEmpty());
        // Nothing changes until the next start.
        QCOMPARE(InstalledLanguage(), Language::Source);
    }
};

QTEST_MAIN(TestLanguageWindow)
#include "tst_language.moc"
