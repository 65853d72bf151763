#pragma once

#include <QObject>

class QDialog;

// Makes every dialog, when it is first shown, at least as wide as its title
// with the frame's buttons, so that no title is cut, in any language.
class TDialogWidthFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The width a dialog needs for its whole title.
int TitleWidth(const QDialog& dialog);
