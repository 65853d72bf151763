#include "comm/Unotices.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmNotice::TfmNotice(const QStringList& lines, QWidget* parent) : QDialog(parent) {
    setWindowTitle("ZEDA");
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : lines)
        layout->addWidget(new QLabel(line, this));

    auto* buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    btnOk = buttons->addButton(QCoreApplication::translate("Unotices", "&OK"),
                               QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    layout->addWidget(buttons);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

TfmTimeDiff::TfmTimeDiff(QWidget* parent) : TfmNotice(TimeDiffLines(), parent) {
    setObjectName("fmTimeDiff");
}

TfmDisconnect::TfmDisconnect(QWidget* parent) : TfmNotice(DisconnectLines(), parent) {
    setObjectName("fmDisconnect");
    // Not modal, so that acquisition goes on; but never hidden behind the
    // main window either.
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

void TWindowNotices::TimeDiff() {
    TfmTimeDiff notice(FParent);
    notice.exec();
}

TWindowNotices::~TWindowNotices() {
    delete FDisconnect;
}

void TWindowNotices::Disconnect() {
    if (FDisconnect && FDisconnect->isVisible()) {
        FDisconnect->raise();
        return;
    }
    delete FDisconnect; // closed, but not yet gone
    auto* notice = new TfmDisconnect(FParent);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program, notice or not.
    notice->setAttribute(Qt::WA_QuitOnClose, false);
    FDisconnect = notice;
    notice->show();
}

void TWindowNotices::Reconnected() {
    if (FDisconnect)
        FDisconnect->close();
}
