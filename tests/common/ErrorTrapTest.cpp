#include "common/ErrorTrap.h"

#include "tests/support/FakeServices.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tavrik {
namespace {

TEST(ErrorTrap, reports_what_the_body_throws_as_module_dot_procedure_and_nothing_when_it_ends_well) {
    FakeServices services;
    ScriptedPlatform platform(*CalendarDate::FromYmd(2026, 12, 7));
    Session session({services, services, services, services, services, services, platform}, SessionInfo{},
                    "Title", 1, 0, "app");
    const ErrorTrap trap(session, "Tavrik_Module");

    trap("Quiet", [] {});
    trap("Throws", [] { throw std::runtime_error("The grid cannot be drawn."); });
    trap("ThrowsAnything", [] { throw 42; });

    EXPECT_EQ(services.reported,
              (std::vector<std::string>{"Tavrik_Module.Throws: The grid cannot be drawn.",
                                        "Tavrik_Module.ThrowsAnything: An unknown error occurred."}));
    EXPECT_EQ(trap.Context("moKovraMessage_DataReady"), "Tavrik_Module.moKovraMessage_DataReady");
}

} // namespace
} // namespace tavrik
