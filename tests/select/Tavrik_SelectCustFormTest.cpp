#include "select/Tavrik_SelectCustForm.h"

#include "tests/select/FakeReplies.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

struct DialogFixture {
    explicit DialogFixture(StoreEngine engine)
        : harness(engine),
          dialog(harness.session.Forms.Load<Tavrik_SelectCustForm>(Tavrik_SelectCustForm::kFormName)) {
        dialog.MarkShown();
    }

    void PickAcme() {
        AnswerNextWith(harness,
                       {CustomerMatches({{"100001", "ACME FREIGHT LINES INC", "CARRIER", "SPRINGFIELD", "IL"},
                                         {"100009", "ACME TOWING", "OWNER", "JOLIET", "IL"}})});
        dialog.SelectControl().SetSearchText("acme");
        harness.DeliverReply();
        dialog.SelectControl().PickMatch(0);
    }

    std::string Result() const {
        return std::string(dialog.IsCanceled ? "canceled" : "chosen") + "|" + dialog.CustID + "|" +
               dialog.CustName + "|" + dialog.CustType + "|OK " + (dialog.cmdOK.Enabled() ? "on" : "off");
    }

    BackOfficeSession harness;
    Tavrik_SelectCustForm& dialog;
};

class SelectCustomer : public StoreTest {};

TEST_P(SelectCustomer, ok_without_a_customer_shows_errors_found_and_disables_ok) {
    DialogFixture fixture(Engine());
    fixture.dialog.cmdOK.SetEnabled(true);

    fixture.dialog.cmdOK_Click();

    ASSERT_EQ(fixture.harness.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(fixture.harness.platform.messageBoxes[0].text, "Errors Found ... ");
    EXPECT_EQ(fixture.harness.platform.messageBoxes[0].icon, MsgBoxIcon::Critical);
    EXPECT_EQ(fixture.harness.platform.messageBoxes[0].title, BackOfficeSession::kHostCaption);
    EXPECT_FALSE(fixture.dialog.cmdOK.Enabled());
    EXPECT_TRUE(fixture.dialog.Visible());
}

TEST_P(SelectCustomer, a_selection_copies_the_three_texts_and_ok_hands_them_over) {
    DialogFixture fixture(Engine());
    const std::string onLoad = fixture.Result();

    fixture.PickAcme();
    const std::string picked = fixture.Result();
    fixture.dialog.cmdOK.Press();

    EXPECT_EQ(onLoad, "chosen||||OK off");
    EXPECT_EQ(picked, "chosen|100001|ACME FREIGHT LINES INC|CARRIER|OK on");
    EXPECT_FALSE(fixture.dialog.Visible());
    EXPECT_FALSE(fixture.dialog.SelectControl().SelectorOption());
}

TEST_P(SelectCustomer, clearing_the_selector_or_cancel_empties_the_texts) {
    DialogFixture cleared(Engine());
    DialogFixture canceled(Engine());
    cleared.PickAcme();
    canceled.PickAcme();

    cleared.dialog.SelectControl().Clear();
    canceled.dialog.cmdCancel.Press();

    EXPECT_EQ(cleared.Result(), "chosen||||OK off");
    EXPECT_TRUE(cleared.dialog.Visible());
    EXPECT_EQ(canceled.Result(), "canceled||||OK on");
    EXPECT_FALSE(canceled.dialog.Visible());
}

TEST_P(SelectCustomer, its_own_status_bar_shows_the_status_texts) {
    DialogFixture fixture(Engine());

    fixture.harness.session.StatusService.ShowStatus("Ready");
    const std::string status = fixture.dialog.StatusBar1.Panels().at(0);
    fixture.harness.session.StatusService.ShowStatusMsg("Searching");

    EXPECT_EQ(status, "Ready");
    EXPECT_EQ(fixture.dialog.StatusBar1.Panels().at(0), "Searching");
}

TAVRIK_ON_BOTH_ENGINES(SelectCustomer);

} // namespace
} // namespace tavrik
