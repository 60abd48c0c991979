#include "demomenu.h"

#include "demoline.h"
#include "objectnames.h"

#include <QActionGroup>

DemoMenu::DemoMenu(QWidget* parent)
    : QMenu(u"&Demo"_qs, parent)
{
    setObjectName(ObjectName::DemoMenu);
    auto* group = new QActionGroup(this);
    const QList<DemoLine::FaultChoice> choices = DemoLine::faultChoices();
    for (const DemoLine::FaultChoice& choice : choices) {
        QAction* action = group->addAction(choice.text);
        action->setCheckable(true);
        addAction(action);
        connect(action, &QAction::triggered, this,
            [this, fault = choice.fault] { emit faultChosen(fault); });
        if (choice.fault == EmulatorFault::None)
            insertSeparator(nullptr);
    }
    reset();
}

void DemoMenu::reset() { actions().constFirst()->setChecked(true); }
