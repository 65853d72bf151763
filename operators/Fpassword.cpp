#include "operators/Fpassword.h"

#include "config/Cconfig.h"
#include "config/Fcodec.h"

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
    return PasswordRefusal(ToAnsi(password), ToAnsi(confirmation));
}

bool StorePassword(const TEnv& env, bool administrator, const QByteArray& password) {
    return WriteConfigKey(env, administrator ? "KennwortAdmin" : "KennwortOperator",
                          ScramblePassword(PasswordKey, password));
}
