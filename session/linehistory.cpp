#include "linehistory.h"

#include "historystore.h"
#include "portname.h"

QString historyRootFor(const PortName& port, const QString& root)
{
    const QString real = root.isEmpty() ? HistoryStore::defaultRoot() : root;
    return port.kind() == PortName::Kind::Demo ? real + u"/demo"_qs : real;
}
