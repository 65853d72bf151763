#include "dialogs/Usetkanal.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Ctablecolor.h"
#include "config/Fcodec.h"
#include "config/Fsettingkeys.h"
#include "config/Ftextfield.h"
#include "config/Uokcancel.h"
#include "dialogs/Unumberedit.h"
#include "dialogs/Usettingsform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// Name and unit take no comma: the stored text form has no quoting.
QLineEdit* TextField(QWidget* parent, const char* name, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression("[^,]*"), e));
    const QString limit =
        QCoreApplication::translate("TfmSetKanal", "At most %1 characters, no comma")
            .arg(maxLength);
    e->setPlaceholderText(limit);
    e->setToolTip(limit);
    return e;
}

// The field with the characters still free beside it.
QWidget* WithCountLeft(QLineEdit* e) {
    auto* box = new QWidget(e->parentWidget());
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* left = new QLabel(box);
    left->setObjectName(e->objectName() + "Left");
    const auto show = [e, left] {
        left->setText(QCoreApplication::translate("TfmSetKanal", "%1 characters left")
                          .arg(e->maxLength() - e->text().size()));
    };
    QObject::connect(e, &QLineEdit::textChanged, left, show);
    show();
    row->addWidget(e);
    row->addWidget(left);
    return box;
}

TNumberEdit* NumberField(QWidget* parent, const char* name, long maximum, const QString& caption) {
    auto* e = new TNumberEdit(0, maximum, parent);
    e->setObjectName(name);
    e->SetCaption(caption);
    return e;
}

// A caption without its colon, for naming the field inside a sentence.
QString Bare(const QString& caption) {
    QString text = caption;
    if (text.endsWith(':'))
        text.chop(1);
    return text;
}

} // namespace

QString ColourEntryCaption(int entry) {
    // Named after the colour the entry draws on screen (the colour table's
    // entry of the same index); the printer is named apart, for the choice
    // moves the channel to that printer.
    static const char* const colours[ColourEntryCount] = {
        QT_TRANSLATE_NOOP("TfmSetKanal", "Black"),  QT_TRANSLATE_NOOP("TfmSetKanal", "Red"),
        QT_TRANSLATE_NOOP("TfmSetKanal", "Blue"),   QT_TRANSLATE_NOOP("TfmSetKanal", "Aqua"),
        QT_TRANSLATE_NOOP("TfmSetKanal", "Yellow"), QT_TRANSLATE_NOOP("TfmSetKanal", "Magenta"),
        QT_TRANSLATE_NOOP("TfmSetKanal", "Lime"),   QT_TRANSLATE_NOOP("TfmSetKanal", "Grey"),
        QT_TRANSLATE_NOOP("TfmSetKanal", "Maroon"), QT_TRANSLATE_NOOP("TfmSetKanal", "Navy"),
        QT_TRANSLATE_NOOP("TfmSetKanal", "Teal"),   QT_TRANSLATE_NOOP("TfmSetKanal", "Olive"),
        QT_TRANSLATE_NOOP("TfmSetKanal", "Purple"), QT_TRANSLATE_NOOP("TfmSetKanal", "Green")};
    if (entry < 0 || entry >= ColourEntryCount)
        return QString();
    return QCoreApplication::translate("TfmSetKanal", "%1 — printer %2")
        .arg(QCoreApplication::translate("TfmSetKanal", colours[entry]))
        .arg(entry / PrintColours + 1);
}

QString ShownRangeText(long minimum, long maximum, int decimals, const QString& unit) {
    // The stored numbers are hundredths, tenths … as the decimals say.
    double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const QLocale locale;
    return QCoreApplication::translate("TfmSetKanal", "Shown range %1 … %2 %3")
        .arg(locale.toString(double(minimum) / scale, 'f', decimals),
             locale.toString(double(maximum) / scale, 'f', decimals), unit)
        .trimmed();
}

TfmSetKanal::TfmSetKanal(const TEnv& env, int channel, QWidget* parent)
    : QDialog(parent), FEnv(env), FChannel(channel) {
    setObjectName("fmSetKanal");
    setWindowTitle(tr("Setting channel %1").arg(channel));

    chkActive = new QCheckBox(tr("The channel of the data is activated"), this);
    chkActive->setObjectName("chkActive");
    edtName = TextField(this, "edtName", ChannelNameLength);
    edtDimension = TextField(this, "edtDimension", ChannelDimensionLength);
    edtDispOffset = NumberField(this, "edtDispOffset", MaxDispOffset, tr("Offset:"));
    edtInputMult = NumberField(this, "edtInputMult", MaxInputMult, tr("Multiplier:"));
    edtMin = NumberField(this, "edtMin", MaxChannelValue, tr("Minimal value:"));
    edtMax = NumberField(this, "edtMax", MaxChannelValue, tr("Maximal value:"));
    edtOffset = NumberField(this, "edtOffset", MaxChannelValue, tr("Offset-value:"));
    edtDecimals = NumberField(this, "edtDecimals", MaxDecimals, tr("Decimal:"));
    cmbColor = new QComboBox(this);
    cmbColor->setObjectName("cmbColor");
    const TTableColor screen;
    for (int entry = 0; entry < ColourEntryCount; ++entry) {
        QPixmap swatch(16, 16);
        swatch.fill(ColourToQColor(screen.Color(entry)));
        cmbColor->addItem(QIcon(swatch), ColourEntryCaption(entry));
    }
    lblShown = new QLabel(this);
    lblShown->setObjectName("lblShown");
    QDialogButtonBox* buttons = OkCancelButtons(this, btnOk, btnCancel);

    auto* description = new QGroupBox(tr(" Description "), this);
    auto* d = new QFormLayout(description);
    d->addRow(tr("Name:"), WithCountLeft(edtName));
    d->addRow(tr("Dimension:"), WithCountLeft(edtDimension));
    auto* parameters = new QGroupBox(tr(" Parameters "), this);
    auto* p = new QFormLayout(parameters);
    for (TNumberEdit* e : {edtDispOffset, edtInputMult, edtMin, edtMax, edtOffset, edtDecimals})
        p->addRow(e->Caption(), e);
    p->addRow(lblShown);
    auto* colour = new QGroupBox(tr(" Color "), this);
    auto* c = new QFormLayout(colour);
    c->addRow(tr("Screen/Printer:"), cmbColor);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkActive);
    layout->addWidget(description);
    layout->addWidget(parameters);
    layout->addWidget(colour);
    layout->addWidget(buttons);

    connect(btnOk, &QPushButton::clicked, this, &TfmSetKanal::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* e : {static_cast<QLineEdit*>(edtMin), static_cast<QLineEdit*>(edtMax),
                         static_cast<QLineEdit*>(edtDecimals), edtDimension})
        connect(e, &QLineEdit::textChanged, this, &TfmSetKanal::ShowRange);
    LoadChannel();
    ShowRange();
}

void TfmSetKanal::ShowRange() {
    lblShown->setText(ShownRangeText(edtMin->Value(), edtMax->Value(), int(edtDecimals->Value()),
                                     edtDimension->text()));
}

void TfmSetKanal::LoadChannel() {
    const TIniFile ini(FEnv.IniPath());
    FLoaded =
        ParseChannelDef(ini.ReadString(IniSection, SettingKey::Channel(FChannel), QByteArray()));
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

bool TfmSetKanal::RefuseEmptyRange() {
    // Every value would lie outside the limits and count as "#U/L" or "#O/L".
    if (edtMin->Value() < edtMax->Value())
        return false;
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Information,
                            tr("\"%1\" must be less than \"%2\".")
                                .arg(Bare(edtMin->Caption()), Bare(edtMax->Caption())));
    edtMin->setFocus();
    edtMin->selectAll();
    return true;
}

void TfmSetKanal::btnOkClick() {
    if (const QString r = ChannelTextRefusal(edtName->text(), edtDimension->text()); !r.isEmpty())
        return Inform(FEnv, r);
    if (RefuseOutOfRange(FEnv,
                         {edtDispOffset, edtInputMult, edtMin, edtMax, edtOffset, edtDecimals}) ||
        RefuseEmptyRange())
        return;
    // A key that cannot be written keeps the dialog open, and the
    // configuration keeps what the file still holds.
    if (!WriteConfigKey(FEnv, SettingKey::Channel(FChannel), FormatChannelDef(Edited())))
        return;
    if (Config)
        Config->Reload(TSettingsGroup::Channels);
    accept();
}
