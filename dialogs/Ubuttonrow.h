#pragma once

#include <QHBoxLayout>
#include <QPushButton>

#include <initializer_list>

// A push button with its object name; the default button of its dialog when
// isDefault is set.
QPushButton* NewButton(QWidget* parent, const QString& text, const char* objectName,
                       bool isDefault = false);

// The buttons in a row at the bottom right of a dialog, in the given order.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);
