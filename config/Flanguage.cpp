#include "config/Flanguage.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QVariant>

namespace {

const char* const LanguageProperty = "zedaLanguage";
const QString TranslatorName = QStringLiteral("zedaTranslator");
const QByteArray Key = "Language";

// "de_AT.UTF-8@euro" -> "de_AT"
QByteArray WithoutCodeset(const QByteArray& locale) {
    QByteArray name = locale;
    for (char stop : {'@', '.'}) {
        const int at = name.indexOf(stop);
        if (at >= 0)
            name.truncate(at);
    }
    return name;
}

Language LanguageOfLocaleName(const QByteArray& locale) {
    const QByteArray name = WithoutCodeset(locale);
    if (name == "C" || name == "POSIX")
        return Language::Source;
    if (name.startsWith("de"))
        return Language::German;
    return Language::English;
}

bool IsLanguageOption(const QByteArray& a) {
    return a == "--language" || a.startsWith("--language=");
}

} // namespace

std::optional<Language> ParseLanguage(const QByteArray& name) {
    if (name == "en")
        return Language::English;
    if (name == "de")
        return Language::German;
    if (name == "source")
        return Language::Source;
    return std::nullopt;
}

QByteArray LanguageName(Language language) {
    switch (language) {
    case Language::English:
        return "en";
    case Language::German:
        return "de";
    case Language::Source:
        break;
    }
    return "source";
}

Language LanguageOfEnvironment(const QProcessEnvironment& env) {
    // LANGUAGE lists languages by preference; its first entry counts.
    const QByteArray list = env.value("LANGUAGE").toLocal8Bit();
    for (const QByteArray& entry : list.split(':')) {
        if (!entry.isEmpty())
            return LanguageOfLocaleName(entry);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = env.value(name).toLocal8Bit();
        if (!value.isEmpty())
            return LanguageOfLocaleName(value);
    }
    return Language::Source;
}

Language ChooseLanguage(const QByteArray& option, const QByteArray& stored,
                        const QProcessEnvironment& env) {
    for (const QByteArray& choice : {option, stored}) {
        if (const auto language = ParseLanguage(choice.trimmed()))
            return *language;
    }
    return LanguageOfEnvironment(env);
}

QByteArray LanguageOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--language")
            return i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
        if (a.startsWith("--language="))
            return a.mid(int(sizeof("--language=")) - 1);
    }
    return QByteArray();
}

int RemoveLanguageOption(int argc, char* argv[]) {
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (i > 0 && IsLanguageOption(a)) {
            if (a == "--language" && i + 1 < argc)
                ++i; // its value
            continue;
        }
        argv[kept++] = argv[i];
    }
    argv[kept] = nullptr;
    return kept;
}

QByteArray StoredLanguage(const QString& iniPath) {
    return TIniFile(iniPath).ReadString(IniSection, Key, QByteArray());
}

bool StoreLanguage(const QString& iniPath, const QByteArray& name) {
    return TIniFile(iniPath).WriteString(IniSection, Key, name);
}

namespace {

// A translator of ours, so that a later choice replaces it.
QTranslator* NewTranslator(QCoreApplication& app) {
    auto* t = new QTranslator(&app);
    t->setObjectName(TranslatorName);
    return t;
}

// Numbers on screen follow the language: a decimal comma in German.
QLocale LocaleOf(Language language) {
    switch (language) {
    case Language::English:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case Language::German:
        return QLocale(QLocale::German, QLocale::Germany);
    case Language::Source:
        break;
    }
    return QLocale::c();
}

// The catalogue of the language; the tests' pseudo catalogue instead when
// ZEDA_TEST_CATALOGUE names one, whatever the language.
bool InstallOwnCatalogue(QCoreApplication& app, Language language) {
    const QString test = qEnvironmentVariable("ZEDA_TEST_CATALOGUE");
    if (test.isEmpty() && language == Language::Source)
        return true;
    auto* own = NewTranslator(app);
    const bool loaded =
        own->load(test.isEmpty() ? ":/i18n/zeda_" + QString::fromLatin1(LanguageName(language))
                                 : test);
    if (loaded)
        QCoreApplication::installTranslator(own);
    return loaded;
}

} // namespace

bool InstallLanguage(QCoreApplication& app, Language language) {
    for (QTranslator* earlier :
         app.findChildren<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    app.setProperty(LanguageProperty, int(language));
    QLocale locale = LocaleOf(language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
    const bool loaded = InstallOwnCatalogue(app, language);
    // Qt's own texts (standard buttons, file dialogs) are English already.
    if (language == Language::German) {
        auto* qt = NewTranslator(app);
        if (qt->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    return loaded;
}

Language InstalledLanguage() {
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return Language::Source;
    return Language(app->property(LanguageProperty).toInt());
}

QString GuideResource() {
    return InstalledLanguage() == Language::German ? QStringLiteral(":/docs/zeda-help.de.html")
                                                   : QStringLiteral(":/docs/zeda-help.html");
}
