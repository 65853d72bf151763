#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

class QCoreApplication;

// The language the program speaks: the system's own texts unchanged, or
// one of the two catalogues.
enum class Language { Source, English, German };

// "en", "de" or "source" (as given to --language and kept under the INI key
// "Language"); nothing for any other text.
std::optional<Language> ParseLanguage(const QByteArray& name);
QByteArray LanguageName(Language language);

// The language of the user's locale: the first of LANGUAGE (its first entry),
// LC_ALL, LC_MESSAGES and LANG that is set and not empty decides. German for
// de*, the system's own texts for C and POSIX (with or without a codeset),
// English for every other language. With none set the locale is C.
Language LanguageOfEnvironment(const QProcessEnvironment& env);

// --language wins over the stored choice, which wins over the locale. An
// option or stored value that names no language is passed over.
Language ChooseLanguage(const QByteArray& option, const QByteArray& stored,
                        const QProcessEnvironment& env);

// The value of "--language X" or "--language=X" in the arguments, empty when
// there is none; RemoveLanguageOption takes it out and returns the new argc.
QByteArray LanguageOption(int argc, char* argv[]);
int RemoveLanguageOption(int argc, char* argv[]);

// The choice kept under the INI key "Language" (empty: follow the locale).
QByteArray StoredLanguage(const QString& iniPath);
bool StoreLanguage(const QString& iniPath, const QByteArray& name);

// Installs the catalogue of the language, and Qt's own for German, into the
// application; the system's own texts need none. False when a catalogue that
// is built in could not be loaded.
bool InstallLanguage(QCoreApplication& app, Language language);
// The language installed last (the system's own texts before any).
Language InstalledLanguage();

// The guide built into the program, in the installed language.
QString GuideResource();
