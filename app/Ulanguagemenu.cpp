#include "app/Ulanguagemenu.h"

#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "config/Flanguage.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

struct Choice {
    const char* caption;
    const char* name; // the INI value; empty follows the locale
    const char* objectName;
};

} // namespace

QMenu* AddLanguageMenu(QMenu* view, TEnv& env) {
    static const Choice choices[] = {
        {QT_TRANSLATE_NOOP("Ulanguagemenu", "Follow the system"), "", "LanguageSystem"},
        {QT_TRANSLATE_NOOP("Ulanguagemenu", "English"), "en", "LanguageEnglish"},
        {QT_TRANSLATE_NOOP("Ulanguagemenu", "Deutsch"), "de", "LanguageGerman"},
        {QT_TRANSLATE_NOOP("Ulanguagemenu", "Untranslated"), "source", "LanguageSource"},
    };
    QMenu* menu = view->addMenu(QCoreApplication::translate("Ulanguagemenu", "&Language"));
    menu->setObjectName("mnLanguage");
    const QString hint = QCoreApplication::translate(
        "Ulanguagemenu", "The language takes effect at the next start.");
    menu->menuAction()->setStatusTip(hint);
    const auto stored = ParseLanguage(StoredLanguage(env.IniPath()).trimmed());
    const QByteArray current = stored ? LanguageName(*stored) : QByteArray();
    auto* group = new QActionGroup(menu);
    for (const Choice& c : choices) {
        QAction* a = menu->addAction(QCoreApplication::translate("Ulanguagemenu", c.caption));
        a->setObjectName(QString::fromLatin1(c.objectName));
        a->setStatusTip(hint);
        a->setCheckable(true);
        a->setChecked(current == c.name);
        group->addAction(a);
        const QByteArray name = c.name;
        QObject::connect(a, &QAction::triggered, menu, [&env, name] {
            if (!StoreLanguage(env.IniPath(), name))
                env.messages->Show(TMessages::Error, CannotWriteText(env.IniPath()));
        });
    }
    return menu;
}
