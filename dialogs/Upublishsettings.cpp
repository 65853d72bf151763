#include "dialogs/Upublishsettings.h"

#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "publish/Cconnectiontest.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* NewEdit(QWidget* parent, const char* name, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

} // namespace

TfmPublishSettings::TfmPublishSettings(const TEnv& env, QWidget* parent)
    : QDialog(parent), FEnv(env), FTest(new TConnectionTest(this)) {
    setObjectName("fmPublishSettings");
    setWindowTitle(tr("Publishing (MQTT)"));
    const TIniFile ini(env.IniPath());
    const PublishSettings s = ReadPublishSettings(ini);
    chkEnabled = new QCheckBox(tr("Publish every stored minute"), this);
    chkEnabled->setObjectName("chkEnabled");
    chkEnabled->setChecked(s.enabled);
    edtHost = NewEdit(this, "edtHost", s.host);
    edtPort = NewEdit(this, "edtPort", s.port > 0 ? QString::number(s.port) : QString());
    edtPort->setValidator(new QIntValidator(1, 65535, edtPort));
    edtPort->setPlaceholderText(tr("%1, with a CA file %2").arg(MqttPort).arg(MqttTlsPort));
    edtTopic = NewEdit(this, "edtTopic", s.topic);
    edtTopic->setPlaceholderText(DefaultBaseTopic(InstallationLocation(ini)));
    edtClientId = NewEdit(this, "edtClientId", s.clientId);
    edtUser = NewEdit(this, "edtUser", s.user);
    edtPassword = NewEdit(this, "edtPassword", s.password);
    edtPassword->setEchoMode(QLineEdit::Password);
    edtCAFile = NewEdit(this, "edtCAFile", s.caFile);
    edtCAFile->setPlaceholderText(tr("none: no TLS"));
    btnTest = new QPushButton(tr("&Test connection"), this);
    btnTest->setObjectName("btnTest");
    lblTest = new QLabel(this);
    lblTest->setObjectName("lblTest");
    lblTest->setWordWrap(true);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOk");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");

    auto* form = new QFormLayout;
    form->addRow(chkEnabled);
    form->addRow(tr("Broker host:"), edtHost);
    form->addRow(tr("Port:"), edtPort);
    form->addRow(tr("Base topic:"), edtTopic);
    form->addRow(tr("Client id:"), edtClientId);
    form->addRow(tr("User:"), edtUser);
    form->addRow(tr("Password:"), edtPassword);
    form->addRow(tr("CA file:"), edtCAFile);
    form->addRow(btnTest, lblTest);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmPublishSettings::btnOkClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnTest, &QPushButton::clicked, this, &TfmPublishSettings::btnTestClick);
    connect(FTest, &TConnectionTest::finished, this,
            [this](bool, const QString& text) { lblTest->setText(text); });
}

PublishSettings TfmPublishSettings::Settings() const {
    PublishSettings s;
    s.enabled = chkEnabled->isChecked();
    s.host = edtHost->text().trimmed();
    s.port = ParsePort(edtPort->text());
    s.topic = edtTopic->text().trimmed();
    s.clientId = edtClientId->text().trimmed();
    s.user = edtUser->text();
    s.password = edtPassword->text();
    s.caFile = edtCAFile->text().trimmed();
    return s;
}

QString TfmPublishSettings::Problem() const {
    const PublishSettings s = Settings();
    if (s.enabled && s.host.isEmpty())
        return tr("Error - Please enter the broker's host name!");
    return PublishSettingsFault(s, InstallationLocation(TIniFile(FEnv.IniPath())));
}

void TfmPublishSettings::btnOkClick() {
    const QString problem = Problem();
    if (!problem.isEmpty()) {
        FEnv.messages->Show(TMessages::Error, problem);
        return;
    }
    TIniFile ini(FEnv.IniPath());
    if (!WritePublishSettings(ini, Settings())) {
        FEnv.messages->Show(TMessages::Error, CannotWriteText(FEnv.IniPath()));
        return;
    }
    accept();
}

void TfmPublishSettings::btnTestClick() {
    const PublishSettings s = Settings();
    if (s.host.isEmpty()) {
        lblTest->setText(tr("Please enter the broker's host name."));
        return;
    }
    // Settings that could hang the test or drop the credentials are not tried.
    const QString problem = Problem();
    if (!problem.isEmpty()) {
        lblTest->setText(problem);
        return;
    }
    lblTest->setText(tr("Connecting to %1:%2 ...").arg(s.host).arg(EffectivePort(s)));
    FTest->Start(s);
}
