#include "operators/Fpassword.h"

#include "config/Cconfig.h"

QString PasswordRefusal(const QByteArray& password, const QByteArray& confirmation) {
    if (password.isEmpty())
        return "Empty Password!";
    if (confirmation != password)
        return "Password not Confirm!";
    return QString();
}

bool StorePassword(const TEnv& env, bool administrator, const QByteArray& password) {
    return WriteConfigKey(env, administrator ? "KennwortAdmin" : "KennwortOperator",
                          ScramblePassword(PasswordKey, password));
}
