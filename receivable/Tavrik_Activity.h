// The "Account Activity" window: the activity log of one account receivable, newest entry first,
// with each entry's code description and the name of the user who made it. Its opener shows it as
// a read-only list and hands it the rows when they arrive.
#pragma once

#include "common/Adodc.h"
#include "common/CommandButton.h"
#include "common/ControlArray.h"
#include "common/DataSet.h"
#include "common/ErrorTrap.h"
#include "common/Form.h"
#include "common/Frame.h"
#include "common/Label.h"
#include "common/SSOleDBGrid.h"
#include "common/Session.h"
#include "common/Tavrik_CodesCombo.h"
#include "common/Tavrik_DTP.h"
#include "common/TextBox.h"

namespace tavrik {

class Tavrik_Activity : public Form {
public:
    static constexpr const char* kFormName = "Tavrik_Activity";
    static constexpr int kClear = 0;
    static constexpr int kSave = 1;
    static constexpr int kClose = 2;
    static constexpr int kAdd = 3;
    static constexpr int kUpdate = 4;
    static constexpr int kClearEntry = 5;
    static constexpr int kSearch = 6;
    // Frames of mFraActivity.
    static constexpr int kFilterFrame = 2;
    static constexpr int kArFrame = 3;

    explicit Tavrik_Activity(Session& session);

    Adodc Adodc1;
    SSOleDBGrid mSdgActivity{"mSdgActivity", &Adodc1};
    Frame SSFrame1{"SSFrame1"};
    Frame SSFrame2{"SSFrame2"};
    ControlArray<Frame> mFraActivity{"mFraActivity"};
    ControlArray<Tavrik_DTP> mDtpActivity{"mDtpActivity"};
    ControlArray<Tavrik_CodesCombo> mFtcboActivity{"mFtcboActivity"};
    ControlArray<TextBox> mTxtActivity{"mTxtActivity"};
    ControlArray<Label> mLblActivity{"mLblActivity"};
    ControlArray<Label> mLblDataActivity{"mLblDataActivity"};
    ControlArray<CommandButton> mCmdActivity{"mCmdActivity"};

    void Form_Load() override;
    void Form_Activate() override;
    // Shows the activity rows of a reply, replacing those shown; without a data set, an empty list.
    void LoadActivity(DataSet* activity);
    void mSdgActivity_RowLoaded(SSOleDBGrid::Bookmark bookmark);
    void mCmdActivity_Click(int index);

private:
    Session& session_;
    const ErrorTrap trapErrors_;
};

} // namespace tavrik
