#include "backoffice/RequirePrivilege.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/TextUtil.h"
#include "store/StoreQuery.h"

#include <string>

namespace tavrik {

std::int64_t RequirePrivilege(StoreConnection& database, std::string_view userId,
                              const Privilege& privilege) {
    const std::string id = ToUpper(Trim(userId));
    StoreQuery user(database,
                    "SELECT USER_NBR, CASE WHEN EXISTS (SELECT 1 FROM user_privilege p WHERE p.USER_ID = "
                    "u.USER_ID AND p.PRVLG_NM = ?2) THEN 1 ELSE 0 END FROM app_user u WHERE u.USER_ID = ?1");
    user.Bind(1, id).Bind(2, privilege.name);
    if (!user.Step())
        throw RequestError(RefusalTexts::UnknownUser(id));
    if (user.Integer(1) == 0)
        throw RequestError(RefusalTexts::MayNot(id, privilege.deed));
    return user.Integer(0);
}

void RequireAnyPrivilege(StoreConnection& database, std::string_view userId,
                         std::initializer_list<Privilege> privileges, std::string_view deed) {
    const std::string id = ToUpper(Trim(userId));
    StoreQuery user(database, "SELECT 1 FROM app_user WHERE USER_ID = ?1");
    user.Bind(1, id);
    if (!user.Step())
        throw RequestError(RefusalTexts::UnknownUser(id));
    for (const Privilege& privilege : privileges)
        if (HoldsPrivilege(database, id, privilege.name))
            return;
    throw RequestError(RefusalTexts::MayNot(id, deed));
}

bool HoldsPrivilege(StoreConnection& database, std::string_view userId, std::string_view privilege) {
    StoreQuery held(database, "SELECT 1 FROM user_privilege WHERE USER_ID = ?1 AND PRVLG_NM = ?2");
    held.Bind(1, ToUpper(Trim(userId))).Bind(2, privilege);
    return held.Step();
}

} // namespace tavrik
