#include "desktop/CodesComboBinding.h"
#include "tests/desktop/VisibleTopLevelWindows.h"

#include "common/Form.h"
#include "common/TextBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavrik {
namespace {

using testing::_;
using testing::NiceMock;
using testing::Return;

class CodeTables : public CommonServices {
public:
    MOCK_METHOD(std::string, GetReply, (const std::string&, const std::string&, const std::string&),
                (override));
    MOCK_METHOD(std::string, GetCodeDescription, (std::string_view, std::string_view), (override));
    MOCK_METHOD(std::vector<CodeEntry>, GetCodes, (std::string_view, bool), (override));
    MOCK_METHOD(bool, HasPrivilege, (std::string_view), (override));
    MOCK_METHOD(void, SetDefaultColor, (Control&), (override));
    MOCK_METHOD(void, SetErrorColor, (Control&), (override));
    MOCK_METHOD(void, PrepareForm, (Form&), (override));
    MOCK_METHOD(std::string, GetCheckDigit, (std::string_view), (override));
    MOCK_METHOD(bool, ValidateDocNumber, (std::string_view, std::string_view, std::string&), (override));
    MOCK_METHOD(bool, ValidateKeyPress, (std::string_view, const TextBox&, int&), (override));
    MOCK_METHOD(std::string, GetCodeInfo, (std::string_view, std::string_view), (override));
    MOCK_METHOD(std::string, GetUserName, (std::int64_t), (override));
    MOCK_METHOD(bool, IsValidTroop, (std::string_view), (override));
    MOCK_METHOD(bool, IsValidTroopDistrict, (std::string_view, std::string_view), (override));
    MOCK_METHOD(std::vector<FormNumberEntry>, RequestFormNumber,
                (std::string_view, const std::string&, std::string&, std::weak_ptr<MessageObject>),
                (override));
    MOCK_METHOD(std::string, GetTemplateFile, (int, CalendarDate), (override));
    MOCK_METHOD(bool, FilterNumericKey, (int), (override));
    MOCK_METHOD(bool, FilterAlphaNumericKey, (int), (override));
    MOCK_METHOD(bool, FilterCurrencyKey, (const TextBox&, int), (override));
};

TEST(CodesComboBinding, picking_or_typing_an_entry_sets_the_code_when_the_user_chooses_it) {
    NiceMock<CodeTables> services;
    ON_CALL(services, GetCodes(_, _))
        .WillByDefault(Return(std::vector<CodeEntry>{{"CIT", "CITATION"}, {"INV", "INVOICE"}}));
    QWidget parent;
    Tavrik_CodesCombo combo("mFtcboDocType", services);
    combo.Setcodetype("REFDOCTYP");
    BoundWidgets boundWidgets;
    auto* widget = new QComboBox(&parent);
    CodesComboBinding binding(combo, widget, boundWidgets);
    int changes = 0;
    combo.Change.Connect([&] { ++changes; });

    const QStringList listed = {widget->itemText(0), widget->itemText(1)};
    widget->activated(1);
    const std::string picked = combo.Code() + " " + widget->currentText().toStdString();
    widget->lineEdit()->clear();
    QTest::keyClicks(widget->lineEdit(), "citation");
    const std::string typed = combo.Code() + " " + combo.Text();
    combo.SetCode("XYZ");

    EXPECT_EQ(listed, QStringList({"CITATION", "INVOICE"}));
    EXPECT_EQ(picked, "INV INVOICE");
    EXPECT_EQ(typed, "CIT citation");
    EXPECT_EQ(widget->currentText(), "XYZ");
    EXPECT_EQ(widget->currentIndex(), -1);
    EXPECT_GE(changes, 3);
    EXPECT_EQ(boundWidgets.Find(combo), widget);
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(CodesComboBinding, lost_focus_is_raised_when_the_focus_leaves_the_box_and_not_for_its_own_list) {
    NiceMock<CodeTables> services;
    ON_CALL(services, GetCodes(_, _)).WillByDefault(Return(std::vector<CodeEntry>{{"B", "BACKOUT"}}));
    QWidget window;
    Tavrik_CodesCombo combo("Tavrik_CodesCombo", services);
    combo.Setcodetype("PAYADJUST");
    BoundWidgets boundWidgets;
    auto* widget = new QComboBox(&window);
    auto* next = new QLineEdit(&window);
    CodesComboBinding binding(combo, widget, boundWidgets);
    int lost = 0;
    combo.LostFocus.Connect([&] { ++lost; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    widget->setFocus(Qt::TabFocusReason);

    widget->showPopup();
    const int withList = lost;
    widget->hidePopup();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    widget->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget, Qt::Key_Tab);

    EXPECT_EQ(withList, 0);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(lost, 1);
    window.close();
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik
