// The guide names the menus and shortcuts the program has: every menu path
// marked <span class="menu">A › B</span> and every <kbd> shortcut of the
// guide of a language exists in the real main window in that language.
#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Flanguage.h"
#include "support/Cmainwindowtest.h"
#include "support/Crecordingmessages.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

Q_DECLARE_METATYPE(Language)

namespace {

const QString Step = QString::fromUtf8(" \u203a ");

// A caption as the guide writes it: without its "&" markers.
QString Plain(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

// Every menu path of a menu ("Data › Print › Preview..."), itself included.
void CollectPaths(const QString& path, const QMenu* menu, QSet<QString>& paths) {
    paths.insert(path);
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        const QString item = path + Step + Plain(a->text());
        paths.insert(item);
        if (a->menu())
            CollectPaths(item, a->menu(), paths);
    }
}

// The texts of one kind of mark in the guide, entities decoded.
QStringList Marked(const QString& html, const QString& pattern) {
    QStringList texts;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(html);
    while (it.hasNext())
        texts << QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText().simplified();
    return texts;
}

} // namespace

class TestGuide : public TMainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        ResetEnv();
    }
    void cleanup() { InstallLanguage(*QCoreApplication::instance(), Language::Source); }

    void guideNamesTheMenusAndShortcutsTheProgramHas_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("guide");
        QTest::newRow("en") << Language::English << "zeda-help.html";
        QTest::newRow("de") << Language::German << "zeda-help.de.html";
    }
    void guideNamesTheMenusAndShortcutsTheProgramHas() {
        QFETCH(Language, language);
        QFETCH(QString, guide);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), language));
        TfmMain w(env, [](int) { return 2; });
        QSet<QString> paths;
        for (const QAction* a : w.menuBar()->actions()) {
            if (a->menu())
                CollectPaths(Plain(a->text()), a->menu(), paths);
        }
        QSet<QString> keys;
        for (const QAction* a : w.findChildren<QAction*>()) {
            for (const QKeySequence& k : a->shortcuts())
                keys << k.toString(QKeySequence::PortableText) << k.toString(QKeySequence::NativeText);
        }
        QFile f(QStringLiteral(ZEDA_DOCS_DIR "/") + guide);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        const QStringList menus = Marked(html, R"(<span class="menu">(.*?)</span>)");
        const QStringList shortcuts = Marked(html, R"(<kbd>(.*?)</kbd>)");
        QVERIFY2(menus.size() > 30 && shortcuts.size() > 5, "the guide marks hardly anything");
        QStringList missing;
        for (const QString& m : menus) {
            if (!paths.contains(m))
                missing << "menu: " + m;
        }
        for (const QString& k : shortcuts) {
            if (!keys.contains(k))
                missing << "shortcut: " + k;
        }
        if (!missing.isEmpty()) {
            QStringList have = paths.values();
            have.sort();
            qInfo().noquote() << "The program's menus:\n" + have.join('\n');
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }
};

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
