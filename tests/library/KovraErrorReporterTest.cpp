#include "library/KovraErrorReporter.h"

#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tavrik {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(KovraErrorReporter, appends_one_escaped_line_per_error_and_shows_critical_box) {
    ScriptedPlatform platform{*CalendarDate::FromYmd(2024, 3, 15)};
    const std::filesystem::path log =
        std::filesystem::temp_directory_path() / "tavrik_library_errors_test.log";
    std::filesystem::remove(log);
    platform.now = *TimeOfDay::FromHm(9, 30);
    KovraErrorReporter reporter(platform, log);

    reporter.ReportError("Type mismatch\r\nin row 3", "tavrik-adjust", "Tavrik_FormInq.CheckEdit");
    platform.now = *TimeOfDay::FromHm(9, 31);
    reporter.ReportError("Path C:\\x\tgone", "tavrik-adjust", "Tavrik_AccDetail.SaveData", 7);

    EXPECT_EQ(ReadFile(log),
              "2024-03-15 09:30\ttavrik-adjust\tTavrik_FormInq.CheckEdit\t1\tType mismatch\\r\\nin row 3\n"
              "2024-03-15 09:31\ttavrik-adjust\tTavrik_AccDetail.SaveData\t7\tPath C:\\\\x\\tgone\n");
    ASSERT_EQ(platform.messageBoxes.size(), 2u);
    EXPECT_EQ(platform.messageBoxes[0].text, "Type mismatch\r\nin row 3\r\n\r\nTavrik_FormInq.CheckEdit");
    EXPECT_EQ(platform.messageBoxes[0].icon, MsgBoxIcon::Critical);
    EXPECT_EQ(platform.messageBoxes[0].buttons, MsgBoxButtons::OK);
    EXPECT_EQ(platform.messageBoxes[0].title, "tavrik-adjust");
    std::filesystem::remove(log);
}

TEST(KovraErrorReporter, says_in_the_box_when_log_cannot_be_written_and_never_throws) {
    ScriptedPlatform platform{*CalendarDate::FromYmd(2024, 3, 15)};
    const std::filesystem::path log =
        std::filesystem::temp_directory_path() / "no_such_dir_tavrik" / "errors.log";
    KovraErrorReporter reporter(platform, log);

    reporter.ReportError("Overflow", "tavrik-adjust", "Tavrik_PayDetail.CheckEdit");
    platform.msgBoxThrows = true;
    EXPECT_NO_THROW(reporter.ReportError("Overflow", "tavrik-adjust", "Tavrik_PayDetail.CheckEdit"));

    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].text,
              "Overflow\r\n\r\nTavrik_PayDetail.CheckEdit\r\n\r\nThe error could not be written "
              "to the log " +
                  log.string() + ".");
}

} // namespace
} // namespace tavrik
