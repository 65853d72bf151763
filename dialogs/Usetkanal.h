#pragma once

#include "config/Cenv.h"
#include "config/Fchannel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TNumberEdit;

// The definition of one channel: in use, name and unit, scaling and limits,
// colour and printer. OK writes the text form under "Kanal_<n>" and has the
// configuration reload the channel definitions.
class TfmSetKanal : public QDialog {
    Q_OBJECT
public:
    TfmSetKanal(const TEnv& env, int channel, QWidget* parent = nullptr);

    // The definition the controls hold, as OK would store it.
    ChannelDef Edited() const;

    QCheckBox* chkActive;
    QLineEdit* edtName;
    QLineEdit* edtDimension;
    TNumberEdit* edtDispOffset;
    TNumberEdit* edtInputMult;
    TNumberEdit* edtMin;
    TNumberEdit* edtMax;
    TNumberEdit* edtOffset;
    TNumberEdit* edtDecimals;
    QComboBox* cmbColor;
    QLabel* lblShown; // what the stored numbers mean on screen
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();

private:
    void LoadChannel();
    void ShowRange();
    // Minimum not below maximum: told, naming both fields; true.
    bool RefuseEmptyRange();

    TEnv FEnv;
    int FChannel;
    ChannelDef FLoaded; // as read, for what the controls do not show
};

// The entry as the list shows it: the colour it draws and the printer apart
// ("Aqua — printer 1").
QString ColourEntryCaption(int entry);
// "Shown range 0.00 … 0.10 bar": the limits as the screen shows them with
// the decimals applied.
QString ShownRangeText(long minimum, long maximum, int decimals, const QString& unit);
