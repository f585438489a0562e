#include "common/ModalForm.h"
#include "refund/Tavrik_WorkSheet.h"
#include "tests/desktop/DemoDesk.h"
#include "tests/desktop/WidgetLookup.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

namespace tavrik {
namespace {

using Sheet = Tavrik_WorkSheet;

// The texts of the named labels and buttons, in the order given, each followed by "|".
std::string Texts(QWidget* dialog, std::initializer_list<const char*> names) {
    std::string texts;
    for (const char* name : names) {
        QWidget* widget = Child<QWidget>(dialog, name);
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts += label->text().toStdString();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts += button->text().toStdString();
        else
            texts += "(no " + std::string(name) + ")";
        texts += "|";
    }
    return texts;
}

// Those of the named widgets the test asks about that answer yes, separated by blanks.
std::string Which(QWidget* dialog, std::initializer_list<const char*> names,
                  const std::function<bool(QWidget&)>& asked) {
    std::string which;
    for (const char* name : names)
        if (QWidget* widget = Child<QWidget>(dialog, name); widget != nullptr && asked(*widget))
            which += (which.empty() ? "" : " ") + std::string(name);
    return which;
}

const std::initializer_list<const char*> kFields = {
    "mRdo(2)", "mRdo(3)", "mRdo(4)", "Tavrik_DTP1(1)", "mTxtRefund(0)",
    "mRdo(0)", "mRdo(1)", "mTxt(0)", "Tavrik_DTP1(0)", "mTxtRefund(1)"};

// A worksheet of customer 100003 waiting to be refunded: prepared by REBECCA REFUNDS, verified by
// SUSAN SUPERVISOR, approved by RAY RECEIPTS, to be paid to the division.
DataSet RefundToPay(Session& session) {
    DataSet refund(session.DataSetOpener, "REFUND");
    Recordset& row = *refund.Recordset();
    row.AddNew();
    const std::pair<const char*, const char*> fields[] = {{"CUST_ID", "100003"},
                                                          {"RFND_NBR", "102"},
                                                          {"STTS_CD", "3"},
                                                          {"CUST_NM", "DORSK FREIGHT LINES"},
                                                          {"ADDR_1", "12 HARBOUR ROAD"},
                                                          {"ADR_2_ADR", "UNIT 4"},
                                                          {"CITY", "TOLVAN"},
                                                          {"STATE", "KS"},
                                                          {"ZIP", "66044"},
                                                          {"TO", "3"},
                                                          {"KDV_CMMT_TXT", "Overpaid citation 0060001"},
                                                          {"CREATOR_ID", "5"},
                                                          {"VERIFY_ID", "1"},
                                                          {"APPROVE_ID", "4"},
                                                          {"RFND_AMT", "1234.50"},
                                                          {"RCPT_NBR", "0300009"}};
    for (const auto& [field, value] : fields)
        row.SetField(field, value);
    row.Update();
    return refund;
}

// The desk of ANNA ADJUSTER, who refunds worksheets, with the Refund Worksheet shown from it.
class WorkSheetWindow : public ::testing::Test {
protected:
    // Shows the worksheet modally while the steps run inside it.
    void Show(std::function<void(QWidget* dialog, Tavrik_WorkSheet& form)> steps) {
        ModalForm<Tavrik_WorkSheet> worksheet(desk_.desktop->Session(), Sheet::kFormName);
        Tavrik_WorkSheet& form = *worksheet;
        InsideModal(Sheet::kFormName, [&form, steps = std::move(steps)](QWidget* dialog) {
            // Let the platform activate the form first.
            QTest::qWait(50);
            steps(dialog, form);
        });
        worksheet.Show();
    }

    DemoDesk desk_{StoreEngine::Sqlite, "ADJAR"};
};

TEST_F(WorkSheetWindow, a_new_worksheet_opens_only_the_preparers_fields_and_esc_closes_it) {
    std::string enabled;
    bool bottomShown = true;
    bool closedByEsc = false;

    Show([&](QWidget* dialog, Tavrik_WorkSheet&) {
        enabled = Which(dialog, kFields, [](QWidget& widget) { return widget.isEnabled(); });
        bottomShown = Child<QGroupBox>(dialog, "mFraRefund(2)")->isVisible();
        PressEsc(dialog);
        closedByEsc = !dialog->isVisible();
    });

    EXPECT_EQ(enabled, "mRdo(2) mRdo(3) mRdo(4) mTxtRefund(0)");
    EXPECT_FALSE(bottomShown);
    EXPECT_TRUE(closedByEsc);
}

TEST_F(WorkSheetWindow,
       a_stored_worksheet_to_refund_opens_only_the_bottom_frame_and_a_pending_save_disables_it) {
    std::string values;
    std::string usable;
    bool bottomShown = false;
    bool enabledWhilePending = true;
    bool closedByEsc = false;

    Show([&](QWidget* dialog, Tavrik_WorkSheet& form) {
        form.ShowStoredWorksheet(RefundToPay(desk_.desktop->Session()));
        values = Texts(dialog, {"mLblData(0)", "mLblData(11)", "mLblData(1)", "mLblData(2)", "mLblData(3)",
                                "mLblData(4)", "mLblData(5)", "mLblData(6)", "mLblData(7)", "mLblData(8)",
                                "mLblData(9)", "mLblData(10)", "mLblData(12)"});
        usable = Which(dialog, kFields, [](QWidget& widget) { return widget.isEnabled(); });
        bottomShown = Child<QGroupBox>(dialog, "mFraRefund(2)")->isVisible();
        EXPECT_TRUE(dialog->grab().save(TAVRIK_SCREENSHOT_DIR "/refund-worksheet.png", "PNG"));
        form.PendingSave(false);
        enabledWhilePending = dialog->isEnabled();
        form.PendingSave(true);
        PressEsc(dialog);
        closedByEsc = !dialog->isVisible();
    });

    EXPECT_EQ(values,
              "0000102|3|DORSK FREIGHT LINES|12 HARBOUR ROAD UNIT 4|TOLVAN|KS|66044|$1,234.50|REBECCA "
              "REFUNDS|SUSAN SUPERVISOR|RAY RECEIPTS|ANNA ADJUSTER|0300009|");
    // The chosen recipient stays readable in its disabled frame.
    EXPECT_EQ(usable, "mRdo(3) mRdo(0) mRdo(1) mTxt(0) Tavrik_DTP1(0) mTxtRefund(1)");
    EXPECT_TRUE(bottomShown);
    EXPECT_FALSE(enabledWhilePending);
    EXPECT_TRUE(closedByEsc);
}

} // namespace
} // namespace tavrik
