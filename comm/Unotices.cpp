#include "comm/Unotices.h"

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
    btnOk = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
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
}

void TWindowNotices::TimeDiff() {
    TfmTimeDiff notice(FParent);
    notice.exec();
}

void TWindowNotices::Disconnect() {
    TfmDisconnect notice(FParent);
    notice.exec();
}
