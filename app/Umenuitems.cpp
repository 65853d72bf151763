#include "app/Umenuitems.h"

#include <QAction>
#include <QMenu>

QString WithoutMnemonics(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

QAction* MakeItem(QWidget* owner, const QString& caption, const char* name, int tag,
                  const QString& hint) {
    auto* a = new QAction(caption, owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(tag);
    a->setStatusTip(WithoutMnemonics(hint.isEmpty() ? caption : hint));
    return a;
}

QAction* AddItem(QMenu* menu, const QString& caption, const char* name, int tag,
                 const QString& hint) {
    QAction* a = MakeItem(menu, caption, name, tag, hint);
    menu->addAction(a);
    return a;
}

QMenu* MakeMenu(QWidget* owner, const QString& caption, const char* name, int tag) {
    auto* m = new QMenu(caption, owner);
    if (name)
        m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setData(tag);
    return m;
}
