#include "comm/Unotices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmNotice::TfmNotice(const QStringList& lines, QWidget* parent) : QDialog(parent) {
    setWindowTitle("ZEDA");
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : lines)
        layout->addWidget(new QLabel(line, this));

    btnOk = new QPushButton("&OK", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addStretch();
    layout->addLayout(buttons);
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
