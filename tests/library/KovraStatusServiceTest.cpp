#include "library/KovraStatusService.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(KovraStatusService, status_objects_hear_both_texts_while_held_and_nothing_once_released) {
    KovraStatusService service;
    std::shared_ptr<StatusObject> held = service.GetStatusObject();
    std::shared_ptr<StatusObject> released = service.GetStatusObject();
    std::vector<std::string> heard;
    held->UpdateStatus.Connect([&](const std::string& text) { heard.push_back(text); });
    held->UpdateStatusMsg.Connect([&](const std::string& text) { heard.push_back("msg: " + text); });
    int heardByReleased = 0;
    released->UpdateStatus.Connect([&](const std::string&) { ++heardByReleased; });
    released.reset();

    service.ShowStatus("Searching");
    service.ShowStatusMsg("Not found");
    service.SetToolbarButton(7, false, "HOST");

    EXPECT_EQ(heard, (std::vector<std::string>{"Searching", "msg: Not found"}));
    EXPECT_EQ(heardByReleased, 0);
    EXPECT_EQ(service.StatusText(), "Searching");
    EXPECT_EQ(service.ToolbarButtonEnabled(7, "HOST"), false);
    EXPECT_EQ(service.ToolbarButtonEnabled(7, "OTHER"), std::nullopt);
}

} // namespace
} // namespace tavrik
