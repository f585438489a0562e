#include "refund/Tavrik_WorkSheet.h"

#include "common/Currency.h"
#include "common/FieldText.h"
#include "common/FormMessage.h"
#include "common/NewPIRequest.h"
#include "common/NumberedError.h"
#include "common/RequestNumbers.h"
#include "common/SevenDigits.h"
#include "common/TextUtil.h"

#include <algorithm>

namespace tavrik {
namespace {

constexpr int kRecipientOptions[] = {Tavrik_WorkSheet::kToTaxpayer, Tavrik_WorkSheet::kToDivision,
                                     Tavrik_WorkSheet::kToOther};
constexpr int kRefundCodeOptions[] = {Tavrik_WorkSheet::kTransferred, Tavrik_WorkSheet::kRefunded};

// How a number written on the window counts: empty text, and text that is no number, as zero.
bool CountsAsZero(std::string_view text) {
    const std::optional<Currency> number = Currency::Parse(Trim(text));
    return !number || number->Units() == 0;
}

bool IsFinal(std::string_view status) {
    return status == "5" || status == "T" || status == "V";
}

std::string StatusAfterSave(const std::string& status, bool transferred) {
    if (status == "0")
        return "1";
    if (status == "1")
        return "2";
    if (status == "2")
        return "3";
    if (status == "3")
        return transferred ? "T" : "4";
    if (status == "4")
        return "5";
    return status;
}

std::string StatusBeforeSave(const std::string& status) {
    if (status == "1")
        return "0";
    if (status == "2")
        return "1";
    if (status == "3")
        return "2";
    if (status == "4" || status == "T")
        return "3";
    if (status == "5")
        return "4";
    return status;
}

std::string DayText(const std::optional<CalendarDate>& day) {
    return day ? day->FormatIso() : std::string();
}

} // namespace

Tavrik_WorkSheet::Tavrik_WorkSheet(Session& session)
    : Form(kFormName), session_(session), trapErrors_(session, kFormName),
      msErrorText(session.CommonServices) {
    SetCaption("Refund Worksheet");
    Resize(9600, 8400);
    for (int frame : {kTopFrame, kMiddleFrame, kBottomFrame})
        mFraRefund.Add(frame);
    mFra.Add(kRefundCodeFrame);
    mFra.Add(kRecipientFrame);

    const std::pair<int, const char*> captions[] = {{0, "Refund #:"},
                                                    {1, "Name:"},
                                                    {2, "Address:"},
                                                    {3, "City:"},
                                                    {4, "State:"},
                                                    {5, "Zip:"},
                                                    {6, "Refund Amt (Code 71):"},
                                                    {7, "Prepared By:"},
                                                    {9, "Verified By:"},
                                                    {8, "Approved By:"},
                                                    {14, "Date Mailed:"},
                                                    {15, "TOLVAN DORSK Headquarters Comment:"},
                                                    {10, "Warrant #:"},
                                                    {11, "Refund Date:"},
                                                    {12, "Refund  By:"},
                                                    {13, "KDV Fiscal Comment:"}};
    for (const auto& [index, caption] : captions)
        mLbl.Add(index).SetCaption(caption);
    for (int index = kRefundNumber; index <= kReceiptNumber; ++index)
        mLblData.Add(index);
    Label1.SetCaption("rcptnbr:");

    const std::pair<int, const char*> options[] = {{kToTaxpayer, "To Taxpayer"},
                                                   {kToDivision, "To Division"},
                                                   {kToOther, "To Other"},
                                                   {kTransferred, "Transferred"},
                                                   {kRefunded, "Refunded"}};
    for (const auto& [index, caption] : options)
        mRdo.Add(index).SetCaption(caption);

    Tavrik_DTP1.Add(kRefundDate);
    Tavrik_DTP1.Add(kDateMailed);
    for (int box : {kHeadquartersComment, kFiscalComment})
        mTxtRefund.Add(box).SetMaxLength(kCommentLength);
    mTxt.Add(kWarrantNumber).SetMaxLength(kWarrantLength);

    mCmdButton.Add(kSave).SetCaption("Save");
    mCmdButton.Add(kClose).SetCaption("Close");
    mCmdButton.Add(kVoid).SetCaption("Void");
    mCmdButton.Add(kPrint).SetCaption("Print");
    mCmdButton(kClose).SetCancel(true);
    mCmdButton(kPrint).SetEnabled(false);

    mCmdButton.ForEach([this](int index, CommandButton& button) {
        button.Click.Connect([this, index] { mCmdButton_Click(index); });
    });
    mTxt(kWarrantNumber).LostFocus.Connect([this] { mTxt_LostFocus(kWarrantNumber); });
}

void Tavrik_WorkSheet::SetCustomerId(const std::string& customerId) {
    if (!customerId.empty())
        mStrCustomerId = customerId;
}

std::string Tavrik_WorkSheet::ReplyAddress() const {
    return session_.AppTitle + "WorkSheet";
}

// The number request answers to the address as the common library is told it: trimmed, upper-cased.
std::string Tavrik_WorkSheet::NumberReplyAddress() const {
    return ToUpper(Trim(session_.AppTitle + "Worksheet"));
}

std::string Tavrik_WorkSheet::SignedOnUserName() const {
    return session_.CommonServices.GetUserName(session_.SessionInfo.UserNumber);
}

// ---- creating and showing -----------------------------------------------------------------------

void Tavrik_WorkSheet::Form_Load() {
    trapErrors_("Form_Load", [&] {
        session_.StatusService.SetReady(true);
        if (!moKovraMessage)
            moKovraMessage = NewFormMessage(session_, *this);
        CommonServices& common = session_.CommonServices;
        common.PrepareForm(*this);

        Control* const tabOrder[] = {&mRdo(kToTaxpayer),
                                     &mRdo(kToDivision),
                                     &mRdo(kToOther),
                                     &Tavrik_DTP1(kDateMailed),
                                     &mTxtRefund(kHeadquartersComment),
                                     &mRdo(kTransferred),
                                     &mRdo(kRefunded),
                                     &mTxt(kWarrantNumber),
                                     &Tavrik_DTP1(kRefundDate),
                                     &mTxtRefund(kFiscalComment)};
        for (std::size_t position = 0; position < std::size(tabOrder); ++position)
            tabOrder[position]->SetTabIndex(static_cast<int>(position));

        for (int picker : {kRefundDate, kDateMailed}) {
            Tavrik_DTP1(picker).SetValue(session_.Platform.Today());
            Tavrik_DTP1(picker).SetEarliestDate(CalendarDate::FromYmd(1993, 1, 1));
        }
        if (IsFinal(mStrStatusMode))
            mCmdButton(kPrint).SetEnabled(true);
        // Until an opener shows a stored worksheet, this is a new one: its preparer's fields are open.
        OpenStepFields(mStrStatusMode.empty() ? "0" : mStrStatusMode);

        if (!CountsAsZero(mstrRefundNumber) || !CountsAsZero(mLblData(kRefundNumber).Caption()))
            return;
        mLblData(kRefundNumber).SetCaption("0000000");
        common.SetErrorColor(mLblData(kRefundNumber));
        mbNumberPending = true;
        const std::vector<FormNumberEntry> available =
            common.RequestFormNumber("U", NumberReplyAddress(), msMessageID, moKovraMessage);
        if (!available.empty())
            ApplyRefundNumber(available.back().GetFormNumber());
    });
}

void Tavrik_WorkSheet::ApplyRefundNumber(std::int64_t number) {
    mstrRefundNumber = SevenDigits(number);
    mbNumberPending = false;
    mLblData(kRefundNumber).SetCaption(mstrRefundNumber);
    session_.CommonServices.SetDefaultColor(mLblData(kRefundNumber));
}

void Tavrik_WorkSheet::Form_Activate() {
    trapErrors_("Form_Activate", [&] { GreyControls(); });
}

void Tavrik_WorkSheet::Form_Unload() {
    trapErrors_("Form_Unload", [&] { session_.StatusService.ShowStatus("Ready"); });
}

// The frames decide; the labels follow their fields, and a chosen option stays readable.
void Tavrik_WorkSheet::GreyControls() {
    trapErrors_("GreyControls", [&] {
        GreyRecipientOptions();

        const bool middle = mFraRefund(kMiddleFrame).Enabled();
        mLbl(14).SetEnabled(Tavrik_DTP1(kDateMailed).Enabled() && middle);
        mLbl(14).SetVisible(Tavrik_DTP1(kDateMailed).Visible());
        mLbl(15).SetEnabled(mTxtRefund(kHeadquartersComment).Enabled() && middle);
        if (!middle)
            mTxtRefund(kHeadquartersComment).SetEnabled(false);

        const bool bottom = mFraRefund(kBottomFrame).Enabled();
        if (!bottom) {
            mFra(kRefundCodeFrame).SetEnabled(false);
            mTxt(kWarrantNumber).SetEnabled(false);
            Tavrik_DTP1(kRefundDate).SetEnabled(false);
            mTxtRefund(kFiscalComment).SetEnabled(false);
        }
        GreyRefundCodeOptions();
        mLbl(10).SetEnabled(mTxt(kWarrantNumber).Enabled() && bottom);
        mLbl(11).SetEnabled(Tavrik_DTP1(kRefundDate).Enabled());
        mLbl(13).SetEnabled(mTxtRefund(kFiscalComment).Enabled() && bottom);
    });
}

void Tavrik_WorkSheet::GreyRecipientOptions() {
    const bool recipient = mFra(kRecipientFrame).Enabled();
    Label1.SetEnabled(recipient);
    mLblData(kReceiptNumber).SetEnabled(recipient);
    for (int option : kRecipientOptions)
        mRdo(option).SetEnabled(recipient || IsChosen(option));
}

void Tavrik_WorkSheet::GreyRefundCodeOptions() {
    const bool refundCode = mFra(kRefundCodeFrame).Enabled();
    for (int option : kRefundCodeOptions)
        mRdo(option).SetEnabled(refundCode || IsChosen(option));
}

// Only the fields of the step a save of this status records are open: the recipient and headquarters
// comment while preparing, verifying and approving; the bottom frame for the refund or transfer; the
// Date Mailed for the mailing; nothing once the worksheet is final. The bottom frame and the dates show
// only from the step that records them.
void Tavrik_WorkSheet::OpenStepFields(const std::string& status) {
    const bool headquarters = status == "0" || status == "1" || status == "2";
    const bool fiscal = status == "3";
    const bool mailing = status == "4";
    mFra(kRecipientFrame).SetEnabled(headquarters);
    mFraRefund(kMiddleFrame).SetEnabled(headquarters || mailing);
    mTxtRefund(kHeadquartersComment).SetEnabled(headquarters);
    Tavrik_DTP1(kDateMailed).SetEnabled(mailing);
    Tavrik_DTP1(kDateMailed).SetVisible(mailing || status == "5");
    mFraRefund(kBottomFrame).SetVisible(!headquarters);
    mFraRefund(kBottomFrame).SetEnabled(fiscal);
    mFra(kRefundCodeFrame).SetEnabled(fiscal);
    mTxt(kWarrantNumber).SetEnabled(fiscal);
    mTxtRefund(kFiscalComment).SetEnabled(fiscal);
    Tavrik_DTP1(kRefundDate).SetEnabled(fiscal);
    Tavrik_DTP1(kRefundDate).SetVisible(!headquarters);
}

void Tavrik_WorkSheet::ShowStoredWorksheet(const DataSet& refund) {
    trapErrors_("ShowStoredWorksheet", [&] {
        const Recordset& row = *refund.Recordset();
        if (row.RecordCount() == 0)
            return;
        // The stored number is the worksheet's: a number reply still on its way must not replace it.
        mbNumberPending = false;
        SetCustomerId(FieldText(row, "CUST_ID"));
        const std::optional<std::int64_t> number = ParseSevenDigits(FieldText(row, "RFND_NBR"));
        mLblData(kRefundNumber).SetCaption(number ? SevenDigits(*number) : FieldText(row, "RFND_NBR"));
        session_.CommonServices.SetDefaultColor(mLblData(kRefundNumber));
        mStrStatusMode = FieldText(row, "STTS_CD");
        mLblData(kStatus).SetCaption(mStrStatusMode);
        mLblData(kCustomerName).SetCaption(FieldText(row, "CUST_NM"));
        mLblData(kAddress).SetCaption(Trim(FieldText(row, "ADDR_1") + " " + FieldText(row, "ADR_2_ADR")));
        mLblData(kCity).SetCaption(FieldText(row, "CITY"));
        mLblData(kState).SetCaption(FieldText(row, "STATE"));
        mLblData(kZip).SetCaption(FieldText(row, "ZIP"));
        const std::optional<Currency> amount = row.Field("RFND_AMT").AsCurrency();
        mLblData(kRefundAmount).SetCaption(amount ? amount->FormatDollars() : std::string());
        mLblData(kReceiptNumber).SetCaption(FieldText(row, "RCPT_NBR"));

        ShowOfficer(kPreparedBy, row, "CREATOR_ID");
        ShowOfficer(kVerifiedBy, row, "VERIFY_ID");
        ShowOfficer(kApprovedBy, row, "APPROVE_ID");
        ShowOfficer(kRefundBy, row, "RFND_BY_ID");
        const std::pair<const char*, int> stepLabels[] = {
            {"0", kPreparedBy}, {"1", kVerifiedBy}, {"2", kApprovedBy}, {"3", kRefundBy}};
        for (const auto& [status, label] : stepLabels)
            if (mStrStatusMode == status)
                mLblData(label).SetCaption(SignedOnUserName());

        const std::string recipient = FieldText(row, "TO");
        for (int option : kRecipientOptions)
            mRdo(option).SetValue(recipient == std::to_string(option));
        const std::string refundCode = FieldText(row, "RFND_CD");
        for (int option : kRefundCodeOptions)
            mRdo(option).SetValue(refundCode == std::to_string(option));
        mTxtRefund(kHeadquartersComment).SetText(FieldText(row, "KDV_CMMT_TXT"));
        mTxtRefund(kFiscalComment).SetText(FieldText(row, "FISCAL_CMMT_TXT"));
        mTxt(kWarrantNumber).SetText(FieldText(row, "WRNT_NBR"));
        for (const auto& [picker, field] :
             {std::pair{kRefundDate, "RFND_DT"}, std::pair{kDateMailed, "DT_MLD"}})
            if (const std::optional<CalendarDate> day = row.Field(field).AsDate())
                Tavrik_DTP1(picker).SetValue(*day);

        OpenStepFields(mStrStatusMode);
        mCmdButton(kPrint).SetEnabled(IsFinal(mStrStatusMode));
        mCmdButton(kSave).SetEnabled(!IsFinal(mStrStatusMode));
        mCmdButton(kVoid).SetEnabled(!IsFinal(mStrStatusMode));
        GreyControls();
    });
}

void Tavrik_WorkSheet::ShowOfficer(int label, const Recordset& row, std::string_view field) {
    const std::optional<std::int64_t> user = row.Field(field).AsInteger();
    mLblData(label).SetCaption(user ? session_.CommonServices.GetUserName(*user) : std::string());
}

// ---- buttons ------------------------------------------------------------------------------------

void Tavrik_WorkSheet::mCmdButton_Click(int index) {
    trapErrors_("mCmdButton_Click", [&] {
        CommandButton& button = mCmdButton(index);
        button.SetEnabled(false);
        switch (index) {
        case kSave:
            SaveData();
            if (Trim(msErrorText.Text()).empty())
                mbSavedVoided = true;
            break;
        case kClose:
            mstrRefundNumber.clear();
            button.SetEnabled(true);
            Hide();
            return;
        case kVoid:
            msAction = "VOID";
            SaveData();
            mbSavedVoided = true;
            break;
        case kPrint:
            PrintWorksheet();
            break;
        default:
            break;
        }
        button.SetEnabled(true);
        session_.Platform.SetFocus(button);
    });
}

void Tavrik_WorkSheet::mTxt_LostFocus(int /*index*/) {
    trapErrors_("mTxt_LostFocus", [&] { CheckEdit(); });
}

// ---- validation ---------------------------------------------------------------------------------

void Tavrik_WorkSheet::CheckEdit() {
    trapErrors_("CheckEdit", [&] {
        CommonServices& common = session_.CommonServices;
        msErrorText.Clear();
        for (int option : {kToTaxpayer, kToDivision, kToOther})
            common.SetDefaultColor(mRdo(option));
        common.SetDefaultColor(Tavrik_DTP1(kDateMailed));
        common.SetDefaultColor(mTxtRefund(kHeadquartersComment));
        for (int option : kRefundCodeOptions)
            common.SetDefaultColor(mRdo(option));
        common.SetDefaultColor(mTxt(kWarrantNumber));
        common.SetDefaultColor(Tavrik_DTP1(kRefundDate));
        common.SetDefaultColor(mTxtRefund(kFiscalComment));

        const bool voiding = msAction == "VOID";
        const std::string& preparedBy = mLblData(kPreparedBy).Caption();
        const std::string& verifiedBy = mLblData(kVerifiedBy).Caption();
        const std::string& approvedBy = mLblData(kApprovedBy).Caption();
        if (!voiding) {
            if (!preparedBy.empty() && !verifiedBy.empty() && preparedBy == verifiedBy)
                msErrorText.Add(
                    "The person preparing and verifying the Refund Worksheet can not be the same.");
            if (!verifiedBy.empty() && !approvedBy.empty() && verifiedBy == approvedBy)
                msErrorText.Add(
                    "The person verifying and approving the Refund Worksheet can not be the same.");
        }
        if (Trim(mStrCustomerId).empty())
            msErrorText.Add("The Customer ID can not be found");
        const std::string number = Trim(mLblData(kRefundNumber).Caption());
        if (number.empty())
            msErrorText.Add("The Refund Number can not be found");
        else if (const std::optional<Currency> value = Currency::Parse(number); value && value->Units() == 0)
            msErrorText.Add("The Refund Number has not been generated");

        // A refunded worksheet ("4") cannot be voided, but its one step left, the mailing, must be saved.
        const std::string& shownStatus = mLblData(kStatus).Caption();
        if ((shownStatus == "4" && voiding) || shownStatus == "T" || shownStatus == "V") {
            msErrorText.Add("The following transaction can not be voided or saved: a "
                            "Voided/Transferred/Refunded Worksheet");
            return;
        }
        if (std::none_of(std::begin(kRecipientOptions), std::end(kRecipientOptions),
                         [this](int option) { return IsChosen(option); })) {
            msErrorText.Add("Please select who receives the refund when issued", mRdo(kToTaxpayer));
            msErrorText.Mark(mRdo(kToDivision));
            msErrorText.Mark(mRdo(kToOther));
        }
        if (Trim(mTxtRefund(kHeadquartersComment).Text()).empty())
            msErrorText.Add("The comment field is required by TOLVAN DORSK HQ personnel",
                            mTxtRefund(kHeadquartersComment));
        if (voiding)
            return;

        if (mStrStatusMode == "0")
            CheckOfficerShown(kPreparedBy,
                              "When preparing a refund, the officer preparing the refund must be displayed.");
        else if (mStrStatusMode == "1")
            CheckOfficerShown(kVerifiedBy,
                              "When verifying a refund, the officer verifying the refund must be displayed.");
        else if (mStrStatusMode == "2")
            CheckOfficerShown(kApprovedBy,
                              "When approving a refund, the officer approving the refund must be displayed.");
        else if (mStrStatusMode == "3")
            CheckOfficerShown(kRefundBy,
                              "When refunding an excess fund, the officer refunding the excess fund must "
                              "be displayed.");

        const CalendarDate today = session_.Platform.Today();
        if (mStrStatusMode == "4") {
            const std::optional<CalendarDate>& mailed = Tavrik_DTP1(kDateMailed).Value();
            const std::optional<CalendarDate>& refunded = Tavrik_DTP1(kRefundDate).Value();
            if (mailed && today < *mailed)
                msErrorText.Add("Mail Date must be current or before", Tavrik_DTP1(kDateMailed));
            if (mailed && refunded && *mailed < *refunded)
                msErrorText.Add("Mail Date must be greater than or equal to the Refund Date",
                                Tavrik_DTP1(kDateMailed));
        }
        if (mStrStatusMode == "3") {
            const bool transferred = IsChosen(kTransferred);
            const bool refunded = IsChosen(kRefunded);
            if (!transferred && !refunded) {
                msErrorText.Add("Please select Transferred or Refunded", mRdo(kTransferred));
                msErrorText.Mark(mRdo(kRefunded));
            }
            if (transferred && Trim(mTxtRefund(kFiscalComment).Text()).empty())
                msErrorText.Add("Please enter the Refund Description, when Tranferring the excess funds",
                                mTxtRefund(kFiscalComment));
            if (refunded && Trim(mTxt(kWarrantNumber).Text()).empty())
                msErrorText.Add("Please enter the Warrant Number, when Refunding the worksheet",
                                mTxt(kWarrantNumber));
            const std::optional<CalendarDate>& refundDay = Tavrik_DTP1(kRefundDate).Value();
            if (refunded && refundDay && today < *refundDay)
                msErrorText.Add("Refund Date must be current or before", Tavrik_DTP1(kRefundDate));
        }
    });
}

void Tavrik_WorkSheet::CheckOfficerShown(int label, const std::string& message) {
    if (mLblData(label).Caption().empty())
        msErrorText.Add(message, mLblData(label));
}

// ---- save and void ------------------------------------------------------------------------------

void Tavrik_WorkSheet::SaveData() {
    trapErrors_("SaveData", [&] {
        CheckEdit();
        if (!msErrorText.Empty()) {
            // A void that was refused is over: the next "Save" must save, not void.
            if (msAction == "VOID")
                msAction.clear();
            session_.StatusService.ShowStatus("Error(s) found");
            session_.Platform.MsgBox(msErrorText.Text(), MsgBoxIcon::Exclamation, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            return;
        }
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        session_.StatusService.ShowStatus("Saving Refund Worksheet for " + mLblData(kCustomerName).Caption());
        PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), kRefundWorksheetRequest);
        msMessageID = request.MessageID();
        DataSet refund(session_.DataSetOpener, "REFUND");
        if (msAction == "VOID") {
            AddVoidRow(refund);
        } else {
            if (mStrStatusMode == "0")
                msAction = "ISSUE";
            AddUpdateRow(refund);
        }
        request.AddDataSet("REFUND", refund);
        mbTimedOut = false;
        request.Send();
        mbSaveSent = true;
        PendingSave(false);
    });
}

void Tavrik_WorkSheet::AddUpdateRow(DataSet& refund) {
    const std::string status = mStrStatusMode;
    const std::string userNumber = std::to_string(session_.SessionInfo.UserNumber);
    const bool headquarters = status == "0" || status == "1" || status == "2";
    Recordset& row = *refund.Recordset();
    row.AddNew();
    row.SetField("ACTION", status == "0" ? "ADD" : "UPD");
    row.SetField("CUST_ID", mStrCustomerId);
    row.SetField("RFND_NBR", mLblData(kRefundNumber).Caption());
    if (headquarters) {
        for (int option : kRecipientOptions)
            if (IsChosen(option))
                row.SetField("TO", std::to_string(option));
        if (!mTxtRefund(kHeadquartersComment).Text().empty())
            row.SetField("KDV_CMMT_TXT", mTxtRefund(kHeadquartersComment).Text());
    }
    if (status == "4")
        row.SetField("DT_MLD", DayText(Tavrik_DTP1(kDateMailed).Value()));
    if (status == "0") {
        row.SetField("CREATED_DT", session_.Platform.Today().FormatIso());
        std::string amount = mLblData(kRefundAmount).Caption();
        std::erase_if(amount, [](char character) { return character == '$' || character == ','; });
        row.SetField("RFND_AMT", amount);
    }
    const std::pair<const char*, const char*> officers[] = {
        {"0", "CREATOR_ID"}, {"1", "VERIFY_ID"}, {"2", "APPROVE_ID"}, {"3", "RFND_BY_ID"}};
    for (const auto& [step, field] : officers)
        if (status == step)
            row.SetField(field, userNumber);
    if (status == "3") {
        const TextBox& fiscal = mTxtRefund(kFiscalComment);
        if (fiscal.Visible() && !fiscal.Text().empty())
            row.SetField("FISCAL_CMMT_TXT", fiscal.Text());
        for (int option : kRefundCodeOptions)
            if (IsChosen(option))
                row.SetField("RFND_CD", std::to_string(option));
        row.SetField("WRNT_NBR", mTxt(kWarrantNumber).Text());
        row.SetField("RFND_DT", DayText(Tavrik_DTP1(kRefundDate).Value()));
    }
    row.SetField("RCPT_NBR", mLblData(kReceiptNumber).Caption());
    mStrStatusMode = StatusAfterSave(status, IsChosen(kTransferred));
    row.SetField("STTS_CD", mStrStatusMode);
    row.Update();
}

void Tavrik_WorkSheet::AddVoidRow(DataSet& refund) {
    Recordset& row = *refund.Recordset();
    row.AddNew();
    row.SetField("ACTION", "UPD");
    row.SetField("CUST_ID", mStrCustomerId);
    row.SetField("RFND_NBR", mLblData(kRefundNumber).Caption());
    row.SetField("STTS_CD", "V");
    row.SetField("VOID_ID", std::to_string(session_.SessionInfo.UserNumber));
    row.SetField("RCPT_NBR", mLblData(kReceiptNumber).Caption());
    row.Update();
}

void Tavrik_WorkSheet::PendingSave(bool enable) {
    trapErrors_("PendingSave", [&] {
        if (mbEnabled == enable)
            return;
        mbEnabled = enable;
        EnabledChanged.Raise();
    });
}

// ---- replies ------------------------------------------------------------------------------------

void Tavrik_WorkSheet::moKovraMessage_DataReady(const std::string& formName) {
    if (ToUpper(Trim(formName)) != ToUpper(Trim(ReplyAddress())))
        return;
    // A reply nobody waits for (a number after the stored worksheet was shown, say) changes nothing.
    if (!mbNumberPending && !mbSaveSent)
        return;
    trapErrors_("moKovraMessage_DataReady", [&] {
        const std::string errorText = session_.CommonServices.GetReply(
            formName, trapErrors_.Context("moKovraMessage_DataReady"), msMessageID);
        if (!errorText.empty()) {
            mbSaveSent = false;
            if (msAction != "VOID")
                mStrStatusMode = StatusBeforeSave(mStrStatusMode);
            session_.Platform.MsgBox(errorText, MsgBoxIcon::Critical, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            PendingSave(true);
            if (mbTimedOut) {
                if (mbNumberPending) {
                    session_.Platform.MsgBox("System could not generate refund number right now.\nPlease try "
                                             "again later.",
                                             MsgBoxIcon::Critical, MsgBoxButtons::OK, session_.gsHostCaption);
                    mbNumberPending = false;
                } else {
                    UpdateTimeout();
                }
                session_.StatusService.ShowStatus("Search timed out");
            } else {
                session_.StatusService.ShowStatus("Search was not successful");
                msAction.clear();
            }
            session_.Platform.SetMousePointer(MousePointer::Default);
            return;
        }
        if (mbNumberPending) {
            std::shared_ptr<DataSet> numbers =
                session_.DataSetService.GetDataSet("REQ", NumberReplyAddress(), msMessageID);
            std::int64_t number = 0;
            if (numbers && numbers->Recordset()->RecordCount() > 0) {
                numbers->Recordset()->MoveFirst();
                number = numbers->Recordset()->Field("U").AsInteger().value_or(0);
            }
            ApplyRefundNumber(number);
            return;
        }

        mbSaveSent = false;
        session_.Platform.SetMousePointer(MousePointer::Hourglass);
        mBlnDirty = false;
        if (msAction == "ISSUE")
            mstrRefundNumber.clear();
        if (msAction == "VOID") {
            mCmdButton(kVoid).SetEnabled(false);
            mCmdButton(kPrint).SetEnabled(true);
            mLblData(kStatus).SetCaption("VOIDED");
        }
        msAction.clear();
        if (!mbTimedOut)
            session_.StatusService.ShowStatus("Ready");
        PendingSave(true);
        if (mbSavedVoided) {
            mCmdButton(kSave).SetEnabled(false);
            mCmdButton(kPrint).SetEnabled(true);
        }
        if (!mCmdButton(kSave).Enabled())
            FreezeWorksheet();
        mCmdButton(kClose).SetEnabled(true);
        mBlnDirty = true;
        session_.Platform.SetMousePointer(MousePointer::Default);
    });
}

void Tavrik_WorkSheet::FreezeWorksheet() {
    mTxtRefund(kHeadquartersComment).SetLocked(true);
    mTxtRefund(kFiscalComment).SetLocked(true);
    mTxt(kWarrantNumber).SetLocked(true);
    Tavrik_DTP1(kRefundDate).SetEnabled(false);
    Tavrik_DTP1(kDateMailed).SetEnabled(false);
    mFra(kRecipientFrame).SetEnabled(false);
    GreyRecipientOptions();
    mFra(kRefundCodeFrame).SetEnabled(false);
    GreyRefundCodeOptions();
}

void Tavrik_WorkSheet::UpdateTimeout() {
    trapErrors_("UpdateTimeout", [&] {
        if (msAction == "ISSUE")
            mstrRefundNumber.clear();
        msAction.clear();
        PendingSave(true);
        mCmdButton(kSave).SetEnabled(false);
        mCmdButton(kClose).SetEnabled(true);
        mCmdButton(kPrint).SetEnabled(true);
    });
}

void Tavrik_WorkSheet::moKovraMessage_MsgTimeout() {
    mbTimedOut = true;
}

// ---- printing -----------------------------------------------------------------------------------

void Tavrik_WorkSheet::GetWorkSheetforPrint(std::string& xmlText) {
    trapErrors_("GetWorkSheetforPrint", [&] { xmlText = BuildPrintXml(); });
}

std::string Tavrik_WorkSheet::BuildPrintXml() {
    std::string root = session_.AppTitle;
    std::erase(root, ' ');
    std::unique_ptr<XmlDocument> document = session_.Platform.NewXmlDocument();
    document->LoadXml("<" + root + "></" + root + ">");

    const auto chosenCaption = [this](std::initializer_list<int> choices) {
        for (int option : choices)
            if (IsChosen(option))
                return mRdo(option).Caption();
        return std::string();
    };
    const auto shownDay = [this](int picker) {
        const Tavrik_DTP& day = Tavrik_DTP1(picker);
        return day.Visible() && day.Value() ? day.Value()->FormatUs() : std::string();
    };
    const std::pair<const char*, std::string> fields[] = {
        {"REFUNDNO", mLblData(kRefundNumber).Caption()},
        {"REFUNDAMT", mLblData(kRefundAmount).Caption()},
        {"REFUNDSTAT", mLblData(kStatus).Caption()},
        {"REFUNDTO", chosenCaption({kToTaxpayer, kToDivision, kToOther})},
        {"CUSTNAME", mLblData(kCustomerName).Caption()},
        {"CUSTADDR", mLblData(kAddress).Caption()},
        {"CUSTSTATE", mLblData(kState).Caption()},
        {"CUSTCITY", mLblData(kCity).Caption()},
        {"CUSTZIP", mLblData(kZip).Caption()},
        {"PREPAREDBY", mLblData(kPreparedBy).Caption()},
        {"VERIFIEDBY", mLblData(kVerifiedBy).Caption()},
        {"APPROVEDBY", mLblData(kApprovedBy).Caption()},
        {"DATEMAILED", shownDay(kDateMailed)},
        {"HEADQUARTERCOMMENT", mTxtRefund(kHeadquartersComment).Text()},
        {"OVERAGE", chosenCaption({kTransferred, kRefunded})},
        {"WARRANTNO", mTxt(kWarrantNumber).Text()},
        {"REFUNDDATE", shownDay(kRefundDate)},
        {"REFUNDBY", mLblData(kRefundBy).Caption()},
        {"FISCALCOMMENT", mTxtRefund(kFiscalComment).Text()},
    };
    for (const auto& [element, text] : fields)
        document->AppendTextElement(element, text);
    return document->Xml();
}

void Tavrik_WorkSheet::PrintWorksheet() {
    trapErrors_("PrintWorksheet", [&] {
        const std::string templatePath =
            session_.CommonServices.GetTemplateFile(kTemplateType, session_.Platform.Today());
        if (templatePath.empty())
            throw NumberedError(kNoTemplateError, kNoTemplateText);
        const std::string xmlText = BuildPrintXml();
        std::unique_ptr<TemplatePrinter> printer = session_.Platform.NewTemplatePrinter();
        printer->LoadTemplate(templatePath);
        printer->MergeData(xmlText);
        try {
            printer->PrintOut(1, true, true);
        } catch (const std::exception&) {
            // A print that did not come out is the clerk's to see and repeat; nothing is reported.
        }
        printer->CloseTemplate();
    });
}

} // namespace tavrik
