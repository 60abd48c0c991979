#include "demomenu.h"

#include "demoline.h"
#include "objectnames.h"

#include <QActionGroup>

DemoMenu::DemoMenu(QWidget* parent)
    : QMenu(parent)
{
    setObjectName(ObjectName::DemoMenu);
    auto* group = new QActionGroup(this);
    const QList<DemoLine::FaultChoice> choices = DemoLine::faultChoices();
    for (const DemoLine::FaultChoice& choice : choices) {
        QAction* action = group->addAction(QString());
        action->setCheckable(true);
        addAction(action);
        connect(action, &QAction::triggered, this,
            [this, fault = choice.fault] { emit faultChosen(fault); });
        if (choice.fault == EmulatorFault::None)
            insertSeparator(nullptr);
    }
    reset();
    retranslate();
}

void DemoMenu::retranslate()
{
    setTitle(tr("&Demo"));
    const QList<DemoLine::FaultChoice> choices = DemoLine::faultChoices();
    const QList<QAction*> items = actions();
    // The separator after the first choice is an action too.
    for (qsizetype i = 0, item = 0; i < choices.size(); ++i, ++item) {
        if (items[item]->isSeparator())
            ++item;
        items[item]->setText(choices[i].text);
    }
}

void DemoMenu::reset() { actions().constFirst()->setChecked(true); }
