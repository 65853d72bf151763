#include "dialogs/Ubuttonrow.h"

QPushButton* NewButton(QWidget* parent, const QString& text, const char* objectName,
                       bool isDefault) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setDefault(isDefault);
    return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}
