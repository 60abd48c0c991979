#include "startup.h"

#include "exchangehost.h"
#include "frmmain.h"
#include "testrc.h"

void StartUp(TestRC& rc, FrmMain& frm)
{
    rc.setHost(&frm);
    rc.LoadConfig();
    if (rc.state().PortCancelled)
        rc.ShowMessage(TestRC::PortClosedText, ExchangeHost::Red);
    else
        rc.OpenPort();
    frm.setCaptions(rc.state().AppTitle, rc.state().VersionText);
    frm.hideFraTmp();
    frm.MainIni();
    frm.centreOnScreen();
    frm.show();
}
