// The keyboard order of every form's controls, as each form's SetTabs or Form_Load gives it.
#include "receivable/Tavrik_AccDetail.h"
#include "receivable/Tavrik_LicPurchOpt.h"
#include "tests/support/DocumentHarness.h"

#include <gtest/gtest.h>

#include <map>

namespace tavrik {
namespace {

// The controls' names in the order of their tab indexes.
std::string TabOrder(std::initializer_list<const Control*> controls) {
    std::multimap<int, std::string> byIndex;
    for (const Control* control : controls)
        byIndex.emplace(control->TabIndex(), control->Name());
    std::string text;
    for (const auto& [index, name] : byIndex)
        text += std::to_string(index) + " " + name + "\n";
    return text;
}

TEST(TabOrder, each_form_orders_its_controls_as_the_clerk_fills_them) {
    DocumentHarness harness;
    Session& session = harness.session;
    const Tavrik_AdjustAcc& document = harness.document;
    auto& inquiry = session.Forms.Load<Tavrik_FormInq>(Tavrik_FormInq::kFormName);
    auto& detail = session.Forms.Load<Tavrik_AccDetail>(Tavrik_AccDetail::kFormName);
    auto& lpo = session.Forms.Load<Tavrik_LicPurchOpt>(Tavrik_LicPurchOpt::kFormName);

    const std::string orders =
        TabOrder({&document.mCmdButton(1), &document.mCmdButton(0)}) + "--\n" +
        TabOrder({&inquiry.mCmdBttn(2), &inquiry.mCmdBttn(1), &inquiry.mCmdBttn(0), &inquiry.mTxtDocNbr(0),
                  &inquiry.mFtcboDocType(0)}) +
        "--\n" +
        TabOrder({&detail.mCmdButton(3), &detail.mCmdButton(2), &detail.mCmdButton(0), &detail.mTxtAdjust(0),
                  &detail.Tavrik_CodesCombo(0), &detail.mDtpDTPicker}) +
        "--\n" +
        TabOrder({&lpo.mTxt(3), &lpo.mTxt(2), &lpo.mTxt(1), &lpo.mTxt(4), &lpo.Tavrik_DTP1(1),
                  &lpo.Tavrik_DTP1(0), &lpo.mTxt(0), &lpo.mRdo(1), &lpo.mRdo(0)});

    EXPECT_EQ(orders,
              "0 mCmdButton(0)\n1 mCmdButton(1)\n--\n"
              "0 mFtcboDocType(0)\n1 mTxtDocNbr(0)\n2 mCmdBttn(0)\n3 mCmdBttn(1)\n4 mCmdBttn(2)\n--\n"
              "0 mDtpDTPicker\n1 Tavrik_CodesCombo(0)\n2 mTxtAdjust(0)\n3 mCmdButton(0)\n4 mCmdButton(2)\n"
              "5 mCmdButton(3)\n--\n"
              "0 mRdo(0)\n1 mRdo(1)\n2 mTxt(0)\n3 Tavrik_DTP1(0)\n4 Tavrik_DTP1(1)\n5 mTxt(4)\n6 mTxt(1)\n"
              "7 mTxt(2)\n8 mTxt(3)\n");
    for (const char* form :
         {Tavrik_LicPurchOpt::kFormName, Tavrik_AccDetail::kFormName, Tavrik_FormInq::kFormName})
        session.Forms.Unload(form);
}

} // namespace
} // namespace tavrik
