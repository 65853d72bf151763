#pragma once

#include "config/Cenv.h"

#include <QString>

class QDialog;
class QFormLayout;
class QPushButton;

// What the location, retention and summer-time dialogs share.

// The OK and Cancel buttons under a form, as every settings dialog has them;
// Cancel closes the dialog.
void AddButtons(QDialog* d, QFormLayout* form, QPushButton*& ok, QPushButton*& cancel);
// An information message of a settings dialog.
void Inform(const TEnv& env, const QString& text);
