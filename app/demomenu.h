#pragma once

#include "emulatorfault.h"

#include <QMenu>

// "Demo", shown while the demo controller is connected: how its next
// exchanges fail, one item for each way a real line fails.
class DemoMenu : public QMenu {
    Q_OBJECT
public:
    explicit DemoMenu(QWidget* parent = nullptr);

    // Marks proper answers again, as a newly connected demo controller gives.
    void reset();
    // The menu's texts in the language shown.
    void retranslate();

signals:
    void faultChosen(EmulatorFault fault);
};
