#include "common/Tavrik_Payment.h"

#include "common/DataSetDefinitions.h"
#include "common/FieldText.h"
#include "common/FormMessage.h"
#include "common/GridColumnLayout.h"
#include "common/NewPIRequest.h"
#include "common/RequestNumbers.h"
#include "common/TextUtil.h"

#include <utility>

namespace tavrik {
namespace {

using namespace column_layout;

constexpr bool kEditable = false;

constexpr GridColumnLayout kAccountColumns[] = {
    {"AR #", "ACCT_RCVBL_NBR", "ACCT_RCVBL_NBR", 1000, true, kLeft, kText},
    {"AR Type", "FORM_DESC", "FORM_DESC", 1500, true, kLeft, kText},
    {"Due Date", "ACCT_RCVBL_DUE_DT", "ACCT_RCVBL_DUE_DT", 1100, true, kCenter, kDate, "mm/dd/yyyy"},
    {"Balance", "ACCT_RCVBL_BAL_AMT", "ACCT_RCVBL_BAL_AMT", 1300, true, kRight, kCurrency, "Currency"},
    {"Apply", "CL_PYMT_AMT", "CL_PYMT_AMT", 1300, true, kRight, kCurrency, "Currency", kEditable},
    {"ACCT_RCVBL_CK_NBR", "ACCT_RCVBL_CK_NBR", "ACCT_RCVBL_CK_NBR", 600, false, kLeft, kText},
    {"ACCT_RCVBL_TYP_CD", "ACCT_RCVBL_TYP_CD", "ACCT_RCVBL_TYP_CD", 600, false, kLeft, kText},
    {"ROW_VERSION", "ROW_VERSION", "ROW_VERSION", 600, false, kLeft, kText},
};

Currency FieldAmount(const Recordset& rows, std::string_view field) {
    return rows.Field(field).AsCurrency().value_or(Currency());
}

// An "Apply" cell left empty pays nothing; anything else typed there must be an amount.
std::optional<Currency> Applied(const Recordset& rows) {
    const FieldValue& cell = rows.Field("CL_PYMT_AMT");
    if (cell.IsNull() || IsBlank(cell.ToText()))
        return Currency();
    return cell.AsCurrency();
}

} // namespace

Tavrik_Payment::Tavrik_Payment(std::string name, Session& session)
    : Control(std::move(name)), session_(session), trapErrors_(session, "Tavrik_Payment"),
      moKovraMessage(NewFormMessage(session, *this)), errors_(session.CommonServices) {
    lblCustomer.SetCaption("Transfer From");
    lblExcess.SetCaption("Excess Amount");
    lblAmount.SetCaption("Amount to Transfer");
    lblReceiving.SetCaption("Transfer To");
    grdAccounts.InstallColumns(kAccountColumns);
    grdAccounts.SetCaption("Open ARs");
    grdAccounts.RowLoaded.Connect(
        [this](SSOleDBGrid::Bookmark bookmark) { grdAccounts_RowLoaded(bookmark); });
}

std::string Tavrik_Payment::ReplyAddress() const {
    return session_.AppTitle + kReplyTag;
}

void Tavrik_Payment::SetCustomerID(std::string id) {
    if (modeFlagA_ && id != customerId_)
        ForgetReceiver();
    if (modeFlagC_)
        sourceId_ = Trim(id);
    Assign(customerId_, std::move(id));
}

void Tavrik_Payment::SetReceiptNumber(std::string number) {
    Assign(receiptNumber_, std::move(number));
    if (modeFlagB_)
        SendLookup(receivingId_);
}

void Tavrik_Payment::SetExcessFundId(std::int64_t id) {
    excessFundId_ = id;
    ShowExcess();
}

void Tavrik_Payment::SetAccountSet(std::shared_ptr<DataSet> accounts) {
    accountSet_ = std::move(accounts);
    if (accountSet_ && accountSet_->Recordset()->RecordCount() > 0)
        accountSet_->Recordset()->MoveFirst();
    adoAccounts.SetRecordset(accountSet_ ? accountSet_->Recordset() : nullptr);
    grdAccounts.Refresh();
}

void Tavrik_Payment::SetReadOnly(bool readOnly) {
    Assign(readOnly_, readOnly);
    ShowExcess();
}

void Tavrik_Payment::SetModeFlagD(bool on) {
    Assign(modeFlagD_, on);
    ShowExcess();
}

void Tavrik_Payment::SetModeFlagE(bool on) {
    Assign(modeFlagE_, on);
    grdAccounts.SetVisible(!on);
}

Currency Tavrik_Payment::Amount() const {
    return Currency::Parse(Trim(txtAmount.Text())).value_or(Currency());
}

void Tavrik_Payment::Release() {
    pendingAmount_ = Currency();
    ShowExcess();
}

bool Tavrik_Payment::FindExcess(Recordset& rows) const {
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
        if (excessFundId_ == 0 || rows.Field("OVR_PYMT_ID").AsInteger() == excessFundId_)
            return true;
    return false;
}

Currency Tavrik_Payment::ExcessAmount() const {
    if (!excessSet_)
        return Currency();
    Recordset rows = excessSet_->Recordset()->Clone();
    return FindExcess(rows) ? FieldAmount(rows, "OVR_PYMT_AMT") - pendingAmount_ : Currency();
}

void Tavrik_Payment::ShowExcess() {
    lblExcessAmount.SetCaption(ExcessAmount().FormatDollars());
    if (modeFlagD_)
        txtAmount.SetText(ExcessAmount().FormatPlain());
    txtAmount.SetLocked(readOnly_ || modeFlagD_);
    grdAccounts.SetEnabled(!readOnly_);
}

void Tavrik_Payment::ShowReceiver() {
    lblReceivingCustomer.SetCaption(receivingId_.empty() ? std::string()
                                                         : receivingId_ + "  " + receivingName_);
}

void Tavrik_Payment::ForgetReceiver() {
    receivingId_.clear();
    receivingName_.clear();
    SetAccountSet(nullptr);
    ShowReceiver();
}

// ---- the look-up ------------------------------------------------------------------------------

void Tavrik_Payment::LookupCustomer() {
    trapErrors_("LookupCustomer", [&] {
        if (modeFlagB_)
            SendLookup(modeFlagF_ ? Trim(customerId_) : std::string());
    });
}

// One reply address for both look-ups: each answers the receipt's excess funds, so a newer one that
// supersedes an older one loses nothing.
void Tavrik_Payment::SendLookup(const std::string& customerId) {
    PIRequest request = NewPIRequest(session_, moKovraMessage, ReplyAddress(), kTransferLookupRequest);
    request.AddPentraxKey("key:RCPT_NBR", Trim(receiptNumber_));
    if (!customerId.empty())
        request.AddPentraxKey("key:CUST_ID", customerId);
    msMessageID = request.MessageID();
    request.Send();
}

void Tavrik_Payment::moKovraMessage_DataReady(const std::string& formName) {
    if (formName != ReplyAddress() || msMessageID.empty())
        return;
    trapErrors_("moKovraMessage_DataReady", [&] {
        const std::string messageId = std::exchange(msMessageID, std::string());
        const std::string errorText = session_.CommonServices.GetReply(
            formName, trapErrors_.Context("moKovraMessage_DataReady"), messageId);
        if (!errorText.empty()) {
            session_.Platform.MsgBox(errorText, MsgBoxIcon::Exclamation, MsgBoxButtons::OK,
                                     session_.gsHostCaption);
            return;
        }
        excessSet_ = session_.DataSetService.GetDataSet("OVERPAYMENT", formName, messageId);
        if (std::shared_ptr<DataSet> found =
                session_.DataSetService.GetDataSet("CUSTOMERMATCH", formName, messageId)) {
            Recordset& row = *found->Recordset();
            row.MoveFirst();
            receivingId_ = FieldText(row, "CUST_ID");
            receivingName_ = FieldText(row, "CUST_NM");
            SetAccountSet(session_.DataSetService.GetDataSet("ACNTSRCVBL", formName, messageId));
        }
        ShowExcess();
        ShowReceiver();
        StateChanged.Raise();
    });
}

void Tavrik_Payment::grdAccounts_RowLoaded(SSOleDBGrid::Bookmark bookmark) {
    const std::shared_ptr<Recordset>& rows = adoAccounts.Recordset();
    if (!rows)
        return;
    grdAccounts.SetCellText("FORM_DESC",
                            session_.CommonServices.GetCodeDescription(
                                Trim(rows->FieldAt(bookmark, "ACCT_RCVBL_TYP_CD").ToText()), "REFDOCTYP"));
}

// ---- checking and sending -----------------------------------------------------------------------

int Tavrik_Payment::Validate() {
    errors_.Clear();
    const std::string source = !sourceId_.empty() ? sourceId_ : [&] {
        if (!excessSet_)
            return std::string();
        Recordset rows = excessSet_->Recordset()->Clone();
        return FindExcess(rows) ? FieldText(rows, "CUST_ID") : std::string();
    }();
    if (receivingId_.empty())
        errors_.Add("Select the customer to receive the payment.");
    else if (EqualsIgnoringCase(receivingId_, source))
        errors_.Add(
            "The payment cannot be transferred to the customer it came from; select another customer.");

    const Currency amount = Amount();
    const Currency open = ExcessAmount();
    if (amount <= Currency())
        errors_.Add("Enter the amount to transfer.", txtAmount);
    else if (amount.RoundedToCents() != amount)
        errors_.Add("Enter the amount to transfer in dollars and cents.", txtAmount);
    else if (open <= Currency())
        errors_.Add("The receipt has no open excess fund to transfer.");
    else if (amount > open)
        errors_.Add("The amount to transfer (" + amount.FormatDollars() +
                        ") is more than the excess fund's open amount (" + open.FormatDollars() + ").",
                    txtAmount);
    CheckApplied(amount);
    return errors_.Empty() ? 1 : 0;
}

void Tavrik_Payment::CheckApplied(Currency amount) {
    if (!accountSet_ || modeFlagE_)
        return;
    grdAccounts.Update();
    Currency total;
    Recordset rows = accountSet_->Recordset()->Clone();
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
        const std::string account = FieldText(rows, "ACCT_RCVBL_NBR");
        const std::optional<Currency> applied = Applied(rows);
        const Currency balance = FieldAmount(rows, "ACCT_RCVBL_BAL_AMT");
        if (!applied || *applied < Currency())
            errors_.Add("The amount applied to AR " + account + " is not an amount.", grdAccounts);
        else if (applied->RoundedToCents() != *applied)
            errors_.Add("The amount applied to AR " + account + " is not in dollars and cents.", grdAccounts);
        else if (*applied > balance)
            errors_.Add("The amount applied to AR " + account + " (" + applied->FormatDollars() +
                            ") is more than its balance (" + balance.FormatDollars() + ").",
                        grdAccounts);
        else
            total += *applied;
    }
    if (total > amount && amount > Currency())
        errors_.Add("The amounts applied (" + total.FormatDollars() +
                        ") are more than the amount to transfer (" + amount.FormatDollars() + ").",
                    grdAccounts);
}

void Tavrik_Payment::AddToRequest(PIRequest& request) {
    DataTable table = *DataSetDefinitions::EmptyTable("EXCESS");
    auto add = [&table](std::initializer_list<std::pair<std::string_view, FieldValue>> values) {
        const std::size_t row = table.AddRow();
        for (const auto& [field, value] : values)
            table.SetCell(row, *table.FieldIndex(field), value);
    };
    Recordset excess = excessSet_->Recordset()->Clone();
    if (!FindExcess(excess))
        throw std::runtime_error("The receipt's excess fund was not read.");
    const Currency amount = Amount();
    add({{"ACTION", "TRANSFER"},
         {"RCPT_NBR", Trim(receiptNumber_)},
         {"OVR_PYMT_ID", excess.Field("OVR_PYMT_ID")},
         {"ROW_VERSION", excess.Field("ROW_VERSION")},
         {"CUST_ID", receivingId_},
         {"PYMT_AMT", amount}});
    if (accountSet_ && !modeFlagE_) {
        grdAccounts.Update();
        Recordset rows = accountSet_->Recordset()->Clone();
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            if (const Currency applied = Applied(rows).value_or(Currency()); applied > Currency())
                add({{"ACTION", "APPLY"},
                     {"ACCT_RCVBL_NBR", FieldText(rows, "ACCT_RCVBL_NBR")},
                     {"ACCT_RCVBL_CK_NBR", FieldText(rows, "ACCT_RCVBL_CK_NBR")},
                     {"ACCT_RCVBL_TYP_CD", FieldText(rows, "ACCT_RCVBL_TYP_CD")},
                     {"CUST_ID", receivingId_},
                     {"ROW_VERSION", rows.Field("ROW_VERSION")},
                     {"PYMT_AMT", applied}});
    }
    request.AddDataSet("EXCESS", DataSet("EXCESS", std::make_shared<const DataTable>(std::move(table))));
    pendingAmount_ = amount;
    ShowExcess();
}

} // namespace tavrik
