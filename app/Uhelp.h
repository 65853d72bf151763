#pragma once

#include <QIcon>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

// The program's own icon (built into the program).
QIcon ProgramIcon();

// The guide built into the program, in the language the program speaks.
QUrl GuideUrl();

// The help window: the guide in a browser of the program itself, with back,
// forward, contents and a search through the shown page. It works on any
// machine, with or without a configured web browser.
class TfmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TfmHelp(QWidget* parent = nullptr);

    // Shows a page of the guide (its contents page by default).
    void ShowPage(const QUrl& url = GuideUrl());
    // Finds the next place of the search text, from the top again when the
    // end is reached; false when the page does not hold it.
    bool FindNext();

    QToolButton* btnBack = nullptr;
    QToolButton* btnForward = nullptr;
    QToolButton* btnContents = nullptr;
    QLineEdit* edtSearch = nullptr;
    QToolButton* btnFind = nullptr;
    QLabel* lblFound = nullptr;
    QTextBrowser* txtHelp = nullptr;
};
