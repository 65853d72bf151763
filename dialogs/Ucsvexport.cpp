#include "dialogs/Ucsvexport.h"

#include "config/Uokcancel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

TfmCsvExport::TfmCsvExport(QWidget* parent) : QDialog(parent) {
    setObjectName("fmCsvExport");
    setWindowTitle(tr("Export as CSV"));
    cmbDialect = new QComboBox(this);
    cmbDialect->setObjectName("cmbDialect");
    cmbDialect->addItems({tr("ZEDA: \";\", decimal comma, Windows-1252, 0 where no value is"),
                          tr("Excel (German): \";\", decimal comma, UTF-8"),
                          tr("Excel (English): \",\", decimal point, UTF-8"),
                          tr("RFC 4180: \",\", decimal point, UTF-8, LF line ends")});
    chkState = new QCheckBox(tr("A column after each value that says why it is empty"), this);
    chkState->setObjectName("chkState");
    // The system's own layout has no empty values to explain.
    const auto own = [this] { chkState->setEnabled(cmbDialect->currentIndex() != 0); };
    connect(cmbDialect, &QComboBox::currentIndexChanged, this, own);
    own();
    QDialogButtonBox* buttons = OkCancelButtons(this, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Layout:"), cmbDialect);
    form->addRow(chkState);
    form->addRow(buttons);
}

TCsvOptions TfmCsvExport::Options() const {
    TCsvOptions options;
    options.dialect = TCsvDialect(std::max(cmbDialect->currentIndex(), 0));
    options.stateColumns = chkState->isEnabled() && chkState->isChecked();
    return options;
}
