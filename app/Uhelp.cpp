#include "app/Uhelp.h"

#include "config/Flanguage.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

QUrl GuideUrl() {
    return QUrl("qrc" + GuideResource());
}

QIcon ProgramIcon() {
    return QIcon(QStringLiteral(":/packaging/zeda.svg"));
}

namespace {

QToolButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TfmHelp::TfmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("fmHelp");
    setWindowTitle(tr("ZEDA - Help"));
    setWindowIcon(ProgramIcon());
    resize(820, 700);

    btnBack = Button(tr("Back"), "btnBack", this);
    btnForward = Button(tr("Forward"), "btnForward", this);
    btnContents = Button(tr("Contents"), "btnContents", this);
    edtSearch = new QLineEdit(this);
    edtSearch->setObjectName("edtSearch");
    edtSearch->setPlaceholderText(tr("Search"));
    edtSearch->setClearButtonEnabled(true);
    btnFind = Button(tr("Find"), "btnFind", this);
    lblFound = new QLabel(this);
    lblFound->setObjectName("lblFound");
    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName("txtHelp");
    // Links out of the guide go to the system; its own pages stay here.
    txtHelp->setOpenExternalLinks(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(btnBack);
    bar->addWidget(btnForward);
    bar->addWidget(btnContents);
    bar->addSpacing(12);
    bar->addWidget(edtSearch, 1);
    bar->addWidget(btnFind);
    bar->addWidget(lblFound);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(txtHelp, 1);

    btnBack->setEnabled(false);
    btnForward->setEnabled(false);
    connect(txtHelp, &QTextBrowser::backwardAvailable, btnBack, &QWidget::setEnabled);
    connect(txtHelp, &QTextBrowser::forwardAvailable, btnForward, &QWidget::setEnabled);
    connect(btnBack, &QToolButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(btnForward, &QToolButton::clicked, txtHelp, &QTextBrowser::forward);
    connect(btnContents, &QToolButton::clicked, this, [this] { ShowPage(); });
    connect(btnFind, &QToolButton::clicked, this, &TfmHelp::FindNext);
    connect(edtSearch, &QLineEdit::returnPressed, this, &TfmHelp::FindNext);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        edtSearch->setFocus();
        edtSearch->selectAll();
    });
    auto* back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, txtHelp, &QTextBrowser::backward);
    auto* forward = new QShortcut(QKeySequence::Forward, this);
    connect(forward, &QShortcut::activated, txtHelp, &QTextBrowser::forward);
    ShowPage();
}

void TfmHelp::ShowPage(const QUrl& url) {
    txtHelp->setSource(url);
}

bool TfmHelp::FindNext() {
    const QString text = edtSearch->text();
    if (text.isEmpty()) {
        lblFound->clear();
        return false;
    }
    bool found = txtHelp->find(text);
    if (!found) {
        // Once more from the top of the page.
        QTextCursor top = txtHelp->textCursor();
        top.movePosition(QTextCursor::Start);
        txtHelp->setTextCursor(top);
        found = txtHelp->find(text);
    }
    lblFound->setText(found ? QString() : tr("Not found"));
    return found;
}
