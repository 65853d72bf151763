#pragma once

class QMenu;
struct TEnv;

// View > Language: the language of the next start (INI key "Language"),
// or the user's locale. Returns the submenu.
QMenu* AddLanguageMenu(QMenu* view, TEnv& env);
