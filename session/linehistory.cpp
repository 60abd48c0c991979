#include "linehistory.h"

#include "historystore.h"
#include "portline.h"

QString historyRootFor(const QString& device)
{
    const QString root = HistoryStore::defaultRoot();
    return PortLine::kindOf(device) == PortLine::Kind::Demo ? root + u"/demo"_qs : root;
}
