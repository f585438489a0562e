// The payment control of "Transfer Payment": shows the receipt's customer and the open excess fund
// being moved, takes the amount to move and, once the receiving customer is looked up, what of it
// pays each of that customer's open ARs; checks it all and writes the rows of the transfer request.
#pragma once

#include "common/Adodc.h"
#include "common/CheckMessages.h"
#include "common/Control.h"
#include "common/Currency.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/Label.h"
#include "common/MessageObject.h"
#include "common/PIRequest.h"
#include "common/SSOleDBGrid.h"
#include "common/Session.h"
#include "common/TextBox.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tavrik {

class Tavrik_Payment : public Control {
public:
    // Appended to the application title to make the control's own reply address.
    static constexpr const char* kReplyTag = ".Payment";

    Tavrik_Payment(std::string name, Session& session);

    // The customer shown: the receipt's own, as the opener names it.
    const std::string& CustomerID() const { return customerId_; }
    void SetCustomerID(std::string id);
    const std::string& CustomerName() const { return customerName_; }
    void SetCustomerName(std::string name) { Assign(customerName_, std::move(name)); }
    const std::string& Address1() const { return address1_; }
    void SetAddress1(std::string text) { Assign(address1_, std::move(text)); }
    const std::string& Address2() const { return address2_; }
    void SetAddress2(std::string text) { Assign(address2_, std::move(text)); }
    const std::string& City() const { return city_; }
    void SetCity(std::string text) { Assign(city_, std::move(text)); }
    const std::string& State() const { return state_; }
    void SetState(std::string text) { Assign(state_, std::move(text)); }
    const std::string& Zip() const { return zip_; }
    void SetZip(std::string text) { Assign(zip_, std::move(text)); }
    // A line the opener may show under the address.
    const std::string& CustomerInfo() const { return customerInfo_; }
    void SetCustomerInfo(std::string text) { Assign(customerInfo_, std::move(text)); }

    // The receipt whose excess fund moves ("0100001"); with ModeFlagB on, setting it looks the
    // receipt's open excess funds up.
    const std::string& ReceiptNumber() const { return receiptNumber_; }
    void SetReceiptNumber(std::string number);
    // OVR_PYMT_ID of the excess fund the clerk chose; 0 takes the receipt's first open one.
    std::int64_t ExcessFundId() const { return excessFundId_; }
    void SetExcessFundId(std::int64_t id);
    // The chosen fund's open amount less what a save on its way holds.
    Currency ExcessAmount() const;

    // The amount typed in txtAmount; zero when nothing or no amount is typed.
    Currency Amount() const;
    // The amount of a transfer on its way: AddToRequest holds what it sent, so that the excess shown
    // no longer offers it; Release gives it back. Zero when nothing is held.
    Currency PendingAmount() const { return pendingAmount_; }
    void Release();

    // What the last Validate found wrong, one message a line; "" when it found nothing.
    const std::string& ErrorText() const { return errors_.Text(); }

    // The receiving customer's open ARs as looked up (ACNTSRCVBL, the "Apply" amounts in
    // CL_PYMT_AMT); nothing before a look-up or after a customer change.
    const std::shared_ptr<DataSet>& AccountSet() const { return accountSet_; }
    void SetAccountSet(std::shared_ptr<DataSet> accounts);
    // The customer the money goes to, as the back office confirmed it; "" before a look-up.
    const std::string& ReceivingCustomerID() const { return receivingId_; }
    const std::string& ReceivingCustomerName() const { return receivingName_; }

    // Locks the amount and the "Apply" column.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // A: on, a new CustomerID forgets the ARs and the receiving customer looked up for another;
    //    off, the customer texts are only shown (the opener's customer put back on display).
    bool ModeFlagA() const { return modeFlagA_; }
    void SetModeFlagA(bool on) { modeFlagA_ = on; }
    // B: on, setting ReceiptNumber and LookupCustomer send the look-up; off, they send nothing.
    bool ModeFlagB() const { return modeFlagB_; }
    void SetModeFlagB(bool on) { modeFlagB_ = on; }
    // C: on, a CustomerID set is the receipt's own customer, whom the money may not go back to;
    //    off, it is only a customer about to be looked up.
    bool ModeFlagC() const { return modeFlagC_; }
    void SetModeFlagC(bool on) { modeFlagC_ = on; }
    // D: on, the fund moves whole: the amount is its open amount and locked; off, any part is typed.
    bool ModeFlagD() const { return modeFlagD_; }
    void SetModeFlagD(bool on);
    // E: on, only the excess is shown: the ARs grid is hidden and nothing is applied.
    bool ModeFlagE() const { return modeFlagE_; }
    void SetModeFlagE(bool on);
    // F: on, LookupCustomer names CustomerID to the back office, which checks it and answers its open
    //    ARs; off, the look-up reads the receipt's excess funds only.
    bool ModeFlagF() const { return modeFlagF_; }
    void SetModeFlagF(bool on) { modeFlagF_ = on; }

    // 1 when the transfer may be sent, 0 when not (ErrorText says why).
    int Validate();
    // Adds the transfer's rows (data set "EXCESS") and holds the amount until Release.
    void AddToRequest(PIRequest& request);
    // Looks the customer of CustomerID up as the receiving customer; the reply arrives later.
    void LookupCustomer();

    void moKovraMessage_DataReady(const std::string& formName);
    // A look-up that times out arrives through DataReady as a failed reply; nothing more to do.
    void moKovraMessage_MsgTimeout() {}

    // The captions beside the shown customer, the excess fund, the amount and the receiving customer.
    Label lblCustomer{"lblCustomer"};
    Label lblExcess{"lblExcess"};
    Label lblAmount{"lblAmount"};
    Label lblReceiving{"lblReceiving"};
    TextBox txtAmount{"txtAmount"};
    Label lblExcessAmount{"lblExcessAmount"};
    Label lblReceivingCustomer{"lblReceivingCustomer"};
    Adodc adoAccounts;
    SSOleDBGrid grdAccounts{"grdAccounts", &adoAccounts};

private:
    std::string ReplyAddress() const;
    void SendLookup(const std::string& customerId);
    void ForgetReceiver();
    void ShowExcess();
    void ShowReceiver();
    // The chosen open excess fund's row in excessSet_, or false when it holds none.
    bool FindExcess(Recordset& rows) const;
    void CheckApplied(Currency amount);
    void grdAccounts_RowLoaded(SSOleDBGrid::Bookmark bookmark);

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<MessageObject> moKovraMessage;
    std::string msMessageID;
    std::string customerId_, customerName_, address1_, address2_, city_, state_, zip_, customerInfo_;
    std::string sourceId_;
    std::string receiptNumber_;
    std::int64_t excessFundId_ = 0;
    std::shared_ptr<DataSet> excessSet_;
    std::shared_ptr<DataSet> accountSet_;
    std::string receivingId_;
    std::string receivingName_;
    Currency pendingAmount_;
    CheckMessages errors_;
    bool readOnly_ = false;
    bool modeFlagA_ = false;
    bool modeFlagB_ = false;
    bool modeFlagC_ = false;
    bool modeFlagD_ = false;
    bool modeFlagE_ = false;
    bool modeFlagF_ = false;
};

} // namespace tavrik
