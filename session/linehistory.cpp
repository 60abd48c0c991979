#include "linehistory.h"

#include "historystore.h"
#include "portname.h"

QString historyRootFor(const PortName& port)
{
    const QString root = HistoryStore::defaultRoot();
    return port.kind() == PortName::Kind::Demo ? root + u"/demo"_qs : root;
}
