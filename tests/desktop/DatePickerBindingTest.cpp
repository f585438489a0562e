#include "desktop/DatePickerBinding.h"
#include "tests/desktop/VisibleTopLevelWindows.h"

#include "common/Tavrik_DTP.h"

#include <QCheckBox>
#include <QDateTimeEdit>

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(DatePickerBinding, edits_reach_the_model_with_their_time_when_the_user_changes_the_date_or_clears_it) {
    QWidget parent;
    Tavrik_DTP picker("mDtpDate");
    picker.SetEarliestDate(CalendarDate::FromYmd(1993, 1, 1));
    picker.SetValue(CalendarDate::FromYmd(2026, 3, 4));
    picker.SetTime(TimeOfDay::FromHm(9, 30));
    BoundWidgets boundWidgets;
    auto* edit = new QDateTimeEdit(&parent);
    auto* blank = new QCheckBox(&parent);
    DatePickerBinding binding(picker, edit, blank, boundWidgets);
    const QString shownAtStart = edit->text();

    edit->setDateTime(QDateTime(QDate(2026, 5, 6), QTime(14, 5)));
    const std::string edited = picker.Value()->FormatUs() + " " + picker.Time()->Format();
    blank->click();

    EXPECT_EQ(shownAtStart, "03/04/2026 09:30");
    EXPECT_EQ(edited, "05/06/2026 14:05");
    EXPECT_EQ(edit->minimumDate(), QDate(1993, 1, 1));
    EXPECT_FALSE(picker.Value());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

TEST(DatePickerBinding, a_time_only_picker_shows_and_takes_the_time_alone) {
    QWidget parent;
    Tavrik_DTP picker("mDtpTime");
    picker.SetFormat(DtpFormat::Time);
    picker.SetValue(CalendarDate::FromYmd(2026, 3, 4));
    picker.SetTime(TimeOfDay::FromHm(9, 30));
    BoundWidgets boundWidgets;
    auto* edit = new QDateTimeEdit(&parent);
    auto* blank = new QCheckBox(&parent);
    DatePickerBinding binding(picker, edit, blank, boundWidgets);
    const QString shownAtStart = edit->text();

    edit->setTime(QTime(14, 5));

    EXPECT_EQ(shownAtStart, "09:30");
    EXPECT_EQ(edit->text(), "14:05");
    EXPECT_EQ(picker.Time()->Format(), "14:05");
    EXPECT_EQ(picker.Value(), CalendarDate::FromYmd(2026, 3, 4));
    EXPECT_TRUE(VisibleTopLevelWindows().isEmpty());
}

} // namespace
} // namespace tavrik
