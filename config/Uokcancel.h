#pragma once

class QDialogButtonBox;
class QPushButton;
class QWidget;

// The OK and Cancel buttons of the program's dialogs, named btnOk and
// btnCancel; OK is the default button. The caller connects them.
QDialogButtonBox* OkCancelButtons(QWidget* parent, QPushButton*& ok, QPushButton*& cancel);
