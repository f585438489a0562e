#include "common/ModalForm.h"

#include "tests/support/FakeServices.h"
#include "tests/support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tavrik {
namespace {

class ProbeForm : public Form {
public:
    static constexpr const char* kFormName = "ProbeForm";

    explicit ProbeForm(Session&) : Form(kFormName) { Resize(5000, 3001); }
    void Form_Load() override { ++loads; }

    int loads = 0;
    std::string written;
    std::string answer;
};

struct ModalFixture {
    FakeServices services;
    ScriptedPlatform platform{*CalendarDate::FromYmd(2026, 12, 7)};
    Session session{{services, services, services, services, services, services, platform},
                    SessionInfo{},
                    "Title",
                    1,
                    0,
                    "app"};
};

TEST(ModalForm, loads_centres_and_lets_the_opener_read_the_hidden_form_before_unloading_it) {
    ModalFixture fixture;
    fixture.platform.QueueScript([](Form& form) {
        auto& probe = dynamic_cast<ProbeForm&>(form);
        probe.answer = "seen " + probe.written;
        probe.Hide();
    });
    std::string read;
    int left = 0;
    int top = 0;

    {
        ModalForm<ProbeForm> probe(fixture.session, ProbeForm::kFormName);
        left = probe->Left();
        top = probe->Top();
        probe->written = "typed";
        probe.Show();
        read = probe.IsLoaded() ? probe->answer : "unloaded";
    }

    EXPECT_EQ(left, (15360 - 5000) / 2);
    EXPECT_EQ(top, 4259);
    EXPECT_EQ(read, "seen typed");
    EXPECT_FALSE(fixture.session.Forms.IsLoaded(ProbeForm::kFormName));
}

TEST(ModalForm, unloads_on_every_way_out_so_the_next_opening_loads_a_fresh_form) {
    enum class Exit { AfterShow, ThrowBeforeShow, ThrowAfterShow };
    for (const Exit exit : {Exit::AfterShow, Exit::ThrowBeforeShow, Exit::ThrowAfterShow}) {
        ModalFixture fixture;
        fixture.platform.QueueScript([](Form& form) { form.Hide(); });
        fixture.platform.QueueScript([](Form& form) { form.Hide(); });

        try {
            ModalForm<ProbeForm> probe(fixture.session, ProbeForm::kFormName);
            probe->written = "stale";
            if (exit == Exit::ThrowBeforeShow)
                throw std::runtime_error("before");
            probe.Show();
            if (exit == Exit::ThrowAfterShow)
                throw std::runtime_error("after");
        } catch (const std::runtime_error&) {
        }
        const bool loadedAfter = fixture.session.Forms.IsLoaded(ProbeForm::kFormName);
        ModalForm<ProbeForm> again(fixture.session, ProbeForm::kFormName);

        SCOPED_TRACE(static_cast<int>(exit));
        EXPECT_FALSE(loadedAfter);
        EXPECT_EQ(again->loads, 1);
        EXPECT_EQ(again->written, "");
    }
}

TEST(FormRegistry, finds_a_loaded_form_by_its_type_only) {
    ModalFixture fixture;
    fixture.session.Forms.Load<ProbeForm>(ProbeForm::kFormName);

    EXPECT_NE(fixture.session.Forms.FindAs<ProbeForm>(ProbeForm::kFormName), nullptr);
    EXPECT_EQ(fixture.session.Forms.FindAs<ScriptedPlatform>(ProbeForm::kFormName), nullptr);
    EXPECT_EQ(fixture.session.Forms.FindAs<ProbeForm>("Tavrik_Other"), nullptr);
}

} // namespace
} // namespace tavrik
