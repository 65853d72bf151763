#include "dialogs/Usetkanal.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "dialogs/Unumberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QByteArray ChannelKey(int channel) {
    return "Kanal_" + QByteArray::number(channel);
}

// Name and unit take no comma: the stored text form has no quoting.
QLineEdit* TextField(QWidget* parent, const char* name, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("[^,]*"), e));
    return e;
}

TNumberEdit* NumberField(QWidget* parent, const char* name, long maximum) {
    auto* e = new TNumberEdit(0, maximum, parent);
    e->setObjectName(name);
    return e;
}

} // namespace

QStringList ColourEntryNames() {
    const QStringList colours = {"Schwarz", "Rot", "Blau", "Violett", "Gelb", "Orange", "Grun"};
    QStringList names;
    for (int printer = 1; printer <= 2; ++printer)
        for (const QString& c : colours)
            names << QString("%1 / %2").arg(c).arg(printer);
    return names;
}

TfmSetKanal::TfmSetKanal(const TEnv& env, int channel, QWidget* parent)
    : QDialog(parent), FEnv(env), FChannel(channel) {
    setObjectName("fmSetKanal");
    setWindowTitle(QString("Setting channel %1").arg(channel));

    chkActive = new QCheckBox("The channel of the data is activated", this);
    chkActive->setObjectName("chkActive");
    edtName = TextField(this, "edtName", ChannelNameLength);
    edtDimension = TextField(this, "edtDimension", ChannelDimensionLength);
    edtDispOffset = NumberField(this, "edtDispOffset", MaxDispOffset);
    edtInputMult = NumberField(this, "edtInputMult", MaxInputMult);
    edtMin = NumberField(this, "edtMin", MaxChannelValue);
    edtMax = NumberField(this, "edtMax", MaxChannelValue);
    edtOffset = NumberField(this, "edtOffset", MaxChannelValue);
    edtDecimals = NumberField(this, "edtDecimals", MaxDecimals);
    cmbColor = new QComboBox(this);
    cmbColor->setObjectName("cmbColor");
    cmbColor->addItems(ColourEntryNames());
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton("&Ok", QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    btnCancel->setObjectName("btnCancel");

    auto* description = new QGroupBox(" Description ", this);
    auto* d = new QFormLayout(description);
    d->addRow("Name:", edtName);
    d->addRow("Dimension:", edtDimension);
    auto* parameters = new QGroupBox(" Parameters ", this);
    auto* p = new QFormLayout(parameters);
    p->addRow("Offset:", edtDispOffset);
    p->addRow("Multiplier:", edtInputMult);
    p->addRow("Minimal value:", edtMin);
    p->addRow("Maximal value:", edtMax);
    p->addRow("Offset-value:", edtOffset);
    p->addRow("Decimal:", edtDecimals);
    auto* colour = new QGroupBox(" Color ", this);
    auto* c = new QFormLayout(colour);
    c->addRow("Screen/Printer:", cmbColor);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkActive);
    layout->addWidget(description);
    layout->addWidget(parameters);
    layout->addWidget(colour);
    layout->addWidget(buttons);

    connect(btnOk, &QPushButton::clicked, this, &TfmSetKanal::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    LoadChannel();
}

void TfmSetKanal::LoadChannel() {
    const TIniFile ini(FEnv.IniPath());
    FLoaded = ParseChannelDef(ini.ReadString(IniSection, ChannelKey(FChannel), QByteArray()));
    chkActive->setChecked(FLoaded.active != 0);
    // A text written elsewhere may hold a comma; it is shown without.
    edtName->setText(FromAnsi(FLoaded.name).remove(','));
    edtDimension->setText(FromAnsi(FLoaded.dimension).remove(','));
    edtDispOffset->SetValue(FLoaded.dispOffset);
    edtInputMult->SetValue(FLoaded.inputMult);
    edtMin->SetValue(long(FLoaded.minValue));
    edtMax->SetValue(long(FLoaded.maxValue));
    edtOffset->SetValue(long(FLoaded.offsetValue));
    edtDecimals->SetValue(FLoaded.decimals);
    cmbColor->setCurrentIndex(ColourEntryOf(FLoaded));
}

ChannelDef TfmSetKanal::Edited() const {
    ChannelDef c = FLoaded;
    c.active = chkActive->isChecked() ? 1 : 0;
    c.name = ToAnsi(edtName->text()).left(ChannelNameLength);
    c.dimension = ToAnsi(edtDimension->text()).left(ChannelDimensionLength);
    c.name.replace(',', ' ');
    c.dimension.replace(',', ' ');
    c.dispOffset = uint16_t(edtDispOffset->Value());
    c.inputMult = uint16_t(edtInputMult->Value());
    c.minValue = uint32_t(edtMin->Value());
    c.maxValue = uint32_t(edtMax->Value());
    c.offsetValue = uint32_t(edtOffset->Value());
    c.decimals = uint8_t(edtDecimals->Value());
    // Without a selection the previous choice stays, when it is one.
    int entry = cmbColor->currentIndex();
    if (entry < 0)
        entry = FLoaded.colourChoice < ColourEntryCount ? FLoaded.colourChoice : 0;
    SetColourEntry(c, entry);
    return c;
}

void TfmSetKanal::btnOkClick() {
    // A key that cannot be written keeps the dialog open, and the
    // configuration keeps what the file still holds.
    if (!WriteConfigKey(FEnv, ChannelKey(FChannel), FormatChannelDef(Edited())))
        return;
    if (Config)
        Config->Reload(2);
    accept();
}
