#include "operators/Fpassword.h"

#include "config/Cconfig.h"
#include "config/Fcodec.h"
#include "config/Fsettingkeys.h"

#include <QCoreApplication>

QString PasswordRefusal(const QByteArray& password, const QByteArray& confirmation) {
    if (password.isEmpty())
        return QCoreApplication::translate("Fpassword", "Empty Password!");
    if (confirmation != password)
        return QCoreApplication::translate("Fpassword", "Password not Confirm!");
    return QString();
}

QString TypedPasswordRefusal(const QString& password, const QString& confirmation) {
    if (!FitsAnsi(password) || !FitsAnsi(confirmation))
        return QCoreApplication::translate(
            "Fpassword", "A password can only use letters, digits and signs of Western European "
                         "languages.");
    for (const QChar c : password + confirmation)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            return QCoreApplication::translate("Fpassword",
                                               "A password cannot hold control characters.");
    if (password.size() > PasswordMaxLength)
        return QCoreApplication::translate("Fpassword", "A password holds at most %1 characters.")
            .arg(PasswordMaxLength);
    return PasswordRefusal(ToAnsi(password), ToAnsi(confirmation));
}

bool StorePassword(const TEnv& env, bool administrator, const QByteArray& password) {
    return WriteConfigKey(env,
                          administrator ? SettingKey::AdminPassword : SettingKey::OperatorPassword,
                          ScramblePassword(PasswordKey, password));
}
