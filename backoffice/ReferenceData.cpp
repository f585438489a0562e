#include "backoffice/ReferenceData.h"

#include "backoffice/ReadDataSet.h"
#include "store/StoreQuery.h"

namespace tavrik {

ReplyMessage ReferenceData::Handle() {
    StoreQuery users(database_,
                     "SELECT USER_NBR AS USER_NBR, USER_NM AS USER_NM FROM app_user ORDER BY USER_NBR");
    StoreQuery troops(database_, "SELECT PO_TRP_ID AS PO_TRP_ID, PO_TRP_DSTRCT_ID AS PO_TRP_DSTRCT_ID "
                                 "FROM troop_district ORDER BY PO_TRP_ID, PO_TRP_DSTRCT_ID");
    ReplyMessage reply;
    reply.dataSets["APPUSER"] = ReadDataSet(users, "APPUSER");
    reply.dataSets["TROOPDISTRICT"] = ReadDataSet(troops, "TROOPDISTRICT");
    return reply;
}

} // namespace tavrik
