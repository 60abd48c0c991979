#include "returnkey.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

class ReturnPress : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
};

}

void pressOnReturn(const QList<QPushButton*>& buttons)
{
    for (QPushButton* button : buttons)
        button->installEventFilter(new ReturnPress(button));
}
