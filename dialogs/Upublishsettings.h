#pragma once

#include "config/Cenv.h"
#include "publish/Fpublishsettings.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TConnectionTest;

// Settings › Publishing (MQTT): the broker every stored minute goes to,
// written into the INI file's section "MQTT" on OK. "Test connection"
// tries the settings as they stand and shows the broker's answer without
// holding up the window.
class TfmPublishSettings : public QDialog {
    Q_OBJECT
public:
    explicit TfmPublishSettings(const TEnv& env, QWidget* parent = nullptr);

    // The settings as the fields hold them (the port of an empty field 0).
    PublishSettings Settings() const;

    QCheckBox* chkEnabled;
    QLineEdit* edtHost;
    QLineEdit* edtPort;
    QLineEdit* edtTopic;
    QLineEdit* edtClientId;
    QLineEdit* edtUser;
    QLineEdit* edtPassword;
    QLineEdit* edtCAFile;
    QPushButton* btnTest;
    QLabel* lblTest;
    QDialogButtonBox* buttons;

public slots:
    void btnOkClick();
    void btnTestClick();

private:
    // The first thing wrong with the fields for the user, or empty.
    QString Problem() const;

    TEnv FEnv;
    TConnectionTest* FTest;
};
