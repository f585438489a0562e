#include "backoffice/RequirePrivilege.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/TextUtil.h"
#include "sqlite/SqliteStatement.h"

#include <string>

namespace tavrik {

std::int64_t RequirePrivilege(SqliteDatabase& database, std::string_view userId, const Privilege& privilege) {
    const std::string id = ToUpper(Trim(userId));
    SqliteStatement user(database,
                         "SELECT USER_NBR, EXISTS (SELECT 1 FROM user_privilege p WHERE p.USER_ID = "
                         "u.USER_ID AND p.PRVLG_NM = ?2) FROM app_user u WHERE u.USER_ID = ?1");
    user.Bind(1, id).Bind(2, privilege.name);
    if (!user.Step())
        throw RequestError(RefusalTexts::UnknownUser(id));
    if (user.Integer(1) == 0)
        throw RequestError(RefusalTexts::MayNot(id, privilege.deed));
    return user.Integer(0);
}

} // namespace tavrik
