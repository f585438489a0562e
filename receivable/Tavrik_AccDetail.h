// The modal "Account Receivable Detail" window: one AR's header, its assessments still owed and
// those already removed, and the adjustment the user makes to them (void or delete the whole AR,
// or remove and reinstate single assessments), validated and sent to the back office.
#pragma once

#include "common/CheckMessages.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/Label.h"
#include "common/MessageObject.h"
#include "common/PIRequest.h"
#include "common/RedrawPause.h"
#include "common/SSOleDBGrid.h"
#include "common/Session.h"
#include "common/Tavrik_CodesCombo.h"
#include "common/Tavrik_DTP.h"
#include "common/TextBox.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tavrik {

class Tavrik_LicPurchOpt;

class Tavrik_AccDetail : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_AccDetail";
    static constexpr const char* kFormTag = "AccDetail";
    static constexpr int kAvailableGrid = 0;
    static constexpr int kAdjustedGrid = 1;
    static constexpr int kAccountActivity = 0;
    static constexpr int kSave = 2;
    static constexpr int kClose = 3;
    // Value labels of mLblAdjust.
    static constexpr int kTotalAdjustment = 3;
    static constexpr int kArNumber = 5;
    static constexpr int kCustomerName = 7;
    static constexpr int kArTypeDescription = 9;
    static constexpr int kTotalReinstated = 11;
    static constexpr int kTotalRemoval = 12;
    static constexpr int kArType = 14;
    static constexpr int kStatusDescription = 15;
    static constexpr int kCustomerId = 18;
    static constexpr int kArCheckNumber = 19;

    explicit Tavrik_AccDetail(Session& session);

    Tavrik_DTP mDtpDTPicker{"mDtpDTPicker"};
    ControlArray<::tavrik::Tavrik_CodesCombo> Tavrik_CodesCombo{"Tavrik_CodesCombo"};
    ControlArray<TextBox> mTxtAdjust{"mTxtAdjust"};
    ControlArray<SSOleDBGrid> mSdgDBGrid{"mSdgDBGrid"};
    ControlArray<CommandButton> mCmdButton{"mCmdButton"};
    ControlArray<Label> mLblAdjust{"mLblAdjust"};

    // Written by the document before the window is shown.
    std::string mStrCustID;
    // Set when an update reply has been handled, or when the window closes with one outstanding.
    bool mBlnDirty = false;

    bool IsSavePending() const { return msSaveState == kSavePending; }
    // The opener's lock for an AR that may not be adjusted (inactive, on a case, a voided generated
    // form): "Save" is disabled and no reply turns it back on.
    void LockSave();

    void Form_Load() override;
    void InitializeData();
    void SetTabs();
    void DefaultFieldColor();
    void SetGridBolding(SSOleDBGrid& grid);
    void SendAccountPI();
    void moKovraMessage_DataReady(const std::string& formName);
    void moKovraMessage_MsgTimeout();
    void mSdgDBGrid_Change(int index);
    void mSdgDBGrid_RowLoaded(int index, SSOleDBGrid::Bookmark bookmark);
    void mSdgDBGrid_AfterUpdate(int index);
    void mDtpDTPicker_Change();
    void Tavrik_CodesCombo_Change(int index);

    void mCmdButton_Click(int index);
    void SaveData();
    void CheckEdit();
    bool DataChanged();
    void PendingSave(bool enable);
    bool LPOFee();
    void UpdateTimeout();

    // Fills both assessment grids from an "ASSESSMENT" data set: the document's first load and
    // every reply of this form build the same rows here.
    void LoadAssessments(DataSet& assessments);

    // The messages of the last check, one per line.
    const std::string& ErrorText() const { return mErrors.Text(); }

private:
    static constexpr const char* kSavePending = "SAVEPENDING";

    void LoadAdjustARDTD(PIRequest& request);
    void LoadAssessmentDTD(PIRequest& request);
    // Read from the dialog once it is hidden and before it is unloaded.
    void LoadLPODTD(PIRequest& request, Tavrik_LicPurchOpt& dialog);
    // The rules of CheckEdit in their order; a rule that stops the check returns.
    void RunRules(const std::string& arType);
    // An entry changed: the check runs again with the grids' redrawing off, unless an update is out.
    void CheckEditUnlessPending();
    void ShowActivityList();
    RedrawPause PauseGridRedraw();
    void ClearGrids();
    std::string ReplyAddress() const;
    std::string ActionCode() const;
    bool IsVoidOrDelete() const;
    bool IsVoided();
    bool IsGeneratedForm() const;
    std::string AdjDocDescription();
    static const char* TickColumn(int gridIndex);

    Session& session_;
    const ErrorTrap trapErrors_;
    std::shared_ptr<MessageObject> moKovraMessage;
    std::string msSaveState;
    std::string msMessageID;
    bool mbTimedOut = false;
    CheckMessages mErrors;
    // Without the adjustment privilege the window only shows the AR.
    bool mbViewOnly = false;
    bool mbSaveLocked = false;
    // An update was sent and neither its reply nor its failure has been handled. Unlike msSaveState,
    // which stays pending after a time-out, this says whether a second send could duplicate one.
    bool mbUpdateOut = false;
};

} // namespace tavrik
