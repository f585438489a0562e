#include "tests/support/BackOfficeSession.h"
#include "tests/support/TestStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tavrik {
namespace {

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

using GetTemplateFileTest = StoreTest;

// The demo store's refund worksheet template is valid from 2000-01-01 on; an older one is added,
// valid through 1999, and the current one edited in the store.
TEST_P(GetTemplateFileTest, the_copy_holds_the_text_of_the_template_valid_that_day) {
    BackOfficeSession clerk(Engine());
    clerk.testStore.Execute(
        "UPDATE print_template SET TMPLT_TXT = 'Ünïcode <edited/>' WHERE TMPLT_TYP_CD = 36;"
        "INSERT INTO print_template (TMPLT_TYP_CD, EFCTV_DT, END_DT, TMPLT_TXT) "
        "VALUES (36, '1990-01-01', '1999-12-31', 'old')");
    struct Case {
        std::string name;
        int type;
        CalendarDate day;
        std::string text; // of the copy; "" for no path
    };
    const Case cases[] = {
        {"current template in 2026", 36, *CalendarDate::FromYmd(2026, 12, 7), "Ünïcode <edited/>"},
        {"current template on its first day", 36, *CalendarDate::FromYmd(2000, 1, 1), "Ünïcode <edited/>"},
        {"ended template on its last day", 36, *CalendarDate::FromYmd(1999, 12, 31), "old"},
        {"before any template", 36, *CalendarDate::FromYmd(1989, 12, 31), ""},
        {"a type without templates", 37, *CalendarDate::FromYmd(2026, 12, 7), ""},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);

        const std::string path = clerk.session.CommonServices.GetTemplateFile(each.type, each.day);

        EXPECT_EQ(path.empty() ? "" : FileText(path), each.text);
    }
}

TAVRIK_ON_BOTH_ENGINES(GetTemplateFileTest);

} // namespace
} // namespace tavrik
