#pragma once

#include <QList>

class QPushButton;

// Return and Enter press a focused button, as Space does, also outside a
// dialog and without making it the dialog's default button.
void pressOnReturn(const QList<QPushButton*>& buttons);
