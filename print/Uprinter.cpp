#include "print/Uprinter.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Uokcancel.h"
#include "print/Fprintparams.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Selects the entry equal to name, letter case not considered; none when
// there is no such entry.
void SelectByName(QComboBox* list, const QString& name) {
    int found = -1;
    for (int i = 0; i < list->count(); ++i) {
        if (!name.isEmpty() && list->itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
            found = i;
            break;
        }
    }
    list->setCurrentIndex(found);
}

QComboBox* PrinterList(QWidget* parent, const char* name, const QStringList& printers) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(printers);
    list->setCurrentIndex(-1);
    return list;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace

TfmPrinter::TfmPrinter(const TEnv& env, const QStringList& printers, QWidget* parent)
    : QDialog(parent), FEnv(env) {
    setObjectName("fmPrinter");
    setWindowTitle(tr("Setting printers"));

    grpPrinters = new QGroupBox(tr(" Printers "), this);
    grpPrinters->setObjectName("grpPrinters");
    chkPrinter1 = CheckBox(grpPrinters, "chkPrinter1", tr("Printer1"), true);
    cmbPrinter1 = PrinterList(grpPrinters, "cmbPrinter1", printers);
    chkPrinter2 = CheckBox(grpPrinters, "chkPrinter2", tr("Printer2"), true);
    cmbPrinter2 = PrinterList(grpPrinters, "cmbPrinter2", printers);
    chkAutomat = CheckBox(this, "chkAutomat", tr("Automatic print"), false);
    rbFitToPage = new QRadioButton(tr("Fit to page"), this);
    rbFitToPage->setObjectName("rbFitToPage");
    rbActualSize = new QRadioButton(tr("Actual size"), this);
    rbActualSize->setObjectName("rbActualSize");
    QDialogButtonBox* buttons = OkCancelButtons(this, btnOk, btnCancel);

    auto* group = new QVBoxLayout(grpPrinters);
    for (QWidget* widget : {static_cast<QWidget*>(chkPrinter1), static_cast<QWidget*>(cmbPrinter1),
                            static_cast<QWidget*>(chkPrinter2), static_cast<QWidget*>(cmbPrinter2)})
        group->addWidget(widget);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grpPrinters);
    layout->addWidget(chkAutomat);
    layout->addWidget(rbFitToPage);
    layout->addWidget(rbActualSize);
    layout->addWidget(buttons);

    const TIniFile ini(FEnv.IniPath());
    TPrintFlags flags;
    if (ParsePrintFlags(ini.ReadString(IniSection, PrintFlagsKey, QByteArray()), flags)) {
        chkPrinter1->setChecked(flags.printer1);
        chkPrinter2->setChecked(flags.printer2);
        chkAutomat->setChecked(flags.automatic);
    }
    const bool fit = ParsePrintFit(ini.ReadString(IniSection, PrintFitKey, QByteArray()));
    rbFitToPage->setChecked(fit);
    rbActualSize->setChecked(!fit);
    SelectByName(cmbPrinter1, FromAnsi(ini.ReadString(IniSection, Printer1Key, QByteArray())));
    SelectByName(cmbPrinter2, FromAnsi(ini.ReadString(IniSection, Printer2Key, QByteArray())));
    ApplyCheckRule(chkPrinter1, cmbPrinter1);
    ApplyCheckRule(chkPrinter2, cmbPrinter2);

    connect(chkPrinter1, &QCheckBox::clicked, this,
            [this] { ApplyCheckRule(chkPrinter1, cmbPrinter1); });
    connect(chkPrinter2, &QCheckBox::clicked, this,
            [this] { ApplyCheckRule(chkPrinter2, cmbPrinter2); });
    connect(btnOk, &QPushButton::clicked, this, &TfmPrinter::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmPrinter::ApplyCheckRule(QCheckBox* box, QComboBox* list) {
    list->setEnabled(box->isChecked());
    if (!box->isChecked())
        list->setCurrentIndex(-1);
}

void TfmPrinter::btnOkClick() {
    TPrintFlags flags;
    flags.printer1 = chkPrinter1->isChecked();
    flags.printer2 = chkPrinter2->isChecked();
    flags.automatic = chkAutomat->isChecked();
    const QString name1 = cmbPrinter1->currentIndex() < 0 ? QString() : cmbPrinter1->currentText();
    const QString name2 = cmbPrinter2->currentIndex() < 0 ? QString() : cmbPrinter2->currentText();
    // A setting that could not be written was reported; the dialog stays
    // open so that nothing is taken for stored that is not.
    if (!WriteConfigKey(FEnv, PrintFlagsKey, FormatPrintFlags(flags)) ||
        !WriteConfigKey(FEnv, Printer1Key, ToAnsi(name1)) ||
        !WriteConfigKey(FEnv, Printer2Key, ToAnsi(name2)) ||
        !WriteConfigKey(FEnv, PrintFitKey, rbFitToPage->isChecked() ? "1" : "0"))
        return;
    accept();
}

bool RunPrinterDialog(const TEnv& env, const QStringList& printers, QWidget* parent) {
    TfmPrinter dialog(env, printers, parent);
    return dialog.exec() == QDialog::Accepted;
}
