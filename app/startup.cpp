#include "startup.h"

#include "appcontext.h"
#include "mainwindow.h"

void startUp(AppContext& context, MainWindow& window)
{
    context.setMessageLine(
        [&window](const QString& text, MessageTone tone) { window.showMessage(text, tone); });
    context.setDialogParent(&window);
    context.loadConfig();
    if (context.portWanted())
        context.openPort();
    else
        context.showMessage(AppContext::PortClosedText, MessageTone::Failure);
    window.setCaptions(context.state().title, context.state().versionText);
    window.hideHiddenFrame();
    window.updateCommandButtons();
    window.centreOnScreen();
    window.show();
}
