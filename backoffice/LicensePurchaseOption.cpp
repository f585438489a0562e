#include "backoffice/LicensePurchaseOption.h"

#include "backoffice/RefusalTexts.h"
#include "backoffice/RequestError.h"
#include "common/TimeOfDay.h"
#include "common/Utf8.h"
#include "store/StoreQuery.h"

namespace tavrik {

namespace {

constexpr std::size_t kLongestPlate = 8;
constexpr std::size_t kLongestComment = 254;
constexpr Currency kHighestAmount = Currency::FromCents(999'999'999);

bool TroopExists(StoreConnection& database, std::string_view troop) {
    StoreQuery query(database, "SELECT 1 FROM troop_district WHERE PO_TRP_ID = ?1");
    query.Bind(1, troop);
    return query.Step();
}

bool DistrictExists(StoreConnection& database, std::string_view troop, std::string_view district) {
    StoreQuery query(database, "SELECT 1 FROM troop_district WHERE PO_TRP_ID = ?1 AND PO_TRP_DSTRCT_ID = ?2");
    query.Bind(1, troop).Bind(2, district);
    return query.Step();
}

} // namespace

LicensePurchaseOption LicensePurchaseOption::FromRow(StoreConnection& database, const SentRow& row,
                                                     const CalendarDate& today) {
    if (row.Code("ACTION") != "UPD")
        throw RequestError(RefusalTexts::RowAction("CTTNADTNINFO", "UPD", row.Text("ACTION")));
    LicensePurchaseOption option;
    option.state_ = row.Text("PRCHS_OPTN_ST_CD");
    if (option.state_ != "0" && option.state_ != "1")
        throw RequestError(std::string(RefusalTexts::kLpoState));
    if (!row.IsBlank("PRCHS_OPTN_TAG_NBR"))
        option.inState_ = ReadInState(database, row, today);

    std::string comment = row.Text("PRCHS_OPTN_TXT");
    if (Utf8::Length(comment) > kLongestComment)
        throw RequestError(RefusalTexts::TooLong("License Purchase Option comment", kLongestComment));
    if (!comment.empty())
        option.comment_ = comment;
    else if (!option.inState_)
        throw RequestError(std::string(RefusalTexts::kLpoComment));
    return option;
}

LicensePurchaseOption::InState
LicensePurchaseOption::ReadInState(StoreConnection& database, const SentRow& row, const CalendarDate& today) {
    InState fields;
    fields.plate = row.Text("PRCHS_OPTN_TAG_NBR");
    if (Utf8::Length(fields.plate) > kLongestPlate)
        throw RequestError(RefusalTexts::TooLong("plate number", kLongestPlate));

    std::optional<CalendarDate> day = row.Date("PRCHS_OPTN_DT");
    if (!day)
        throw RequestError(RefusalTexts::NotADate("purchase date"));
    if (*day > today)
        throw RequestError(RefusalTexts::AfterToday("purchase date", *day));
    fields.day = *day;

    std::string time = row.Text("PRCHS_OPTN_TM");
    std::optional<TimeOfDay> parsed = TimeOfDay::Parse(time);
    if (!parsed || time.size() != 5)
        throw RequestError(RefusalTexts::PurchaseTime(time));
    fields.time = time;

    fields.troop = row.Code("PO_TRP_ID");
    if (fields.troop.empty())
        throw RequestError(std::string(RefusalTexts::kTroopRequired));
    if (!TroopExists(database, fields.troop))
        throw RequestError(RefusalTexts::NoSuchTroop(fields.troop));
    std::string district = row.Text("PO_TRP_DSTRCT_ID");
    if (!district.empty()) {
        if (!DistrictExists(database, fields.troop, district))
            throw RequestError(RefusalTexts::NoSuchDistrict(fields.troop, district));
        fields.district = district;
    }

    std::optional<std::int64_t> weight = row.Integer("PRCHS_OPTN_WGT");
    if (!weight || *weight <= 0)
        throw RequestError(std::string(RefusalTexts::kWeight));
    fields.weight = *weight;

    std::optional<Currency> amount = row.Amount("TOT_PRCHS_OPTN_AMT");
    if (!amount || *amount <= Currency() || *amount > kHighestAmount)
        throw RequestError(std::string(RefusalTexts::kAmountPaid));
    fields.amount = *amount;
    return fields;
}

void LicensePurchaseOption::Store(StoreConnection& database, std::int64_t account) const {
    StoreQuery insert(
        database,
        "INSERT INTO cttn_adtn_info (ACCT_RCVBL_NBR, PRCHS_OPTN_ST_CD, PRCHS_OPTN_TAG_NBR, "
        "PRCHS_OPTN_DT, PRCHS_OPTN_TM, PO_TRP_ID, PO_TRP_DSTRCT_ID, PRCHS_OPTN_WGT, "
        "TOT_PRCHS_OPTN_AMT, PRCHS_OPTN_TXT) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10) "
        "ON CONFLICT (ACCT_RCVBL_NBR) DO UPDATE SET PRCHS_OPTN_ST_CD = excluded.PRCHS_OPTN_ST_CD, "
        "PRCHS_OPTN_TAG_NBR = excluded.PRCHS_OPTN_TAG_NBR, PRCHS_OPTN_DT = excluded.PRCHS_OPTN_DT, "
        "PRCHS_OPTN_TM = excluded.PRCHS_OPTN_TM, PO_TRP_ID = excluded.PO_TRP_ID, "
        "PO_TRP_DSTRCT_ID = excluded.PO_TRP_DSTRCT_ID, PRCHS_OPTN_WGT = excluded.PRCHS_OPTN_WGT, "
        "TOT_PRCHS_OPTN_AMT = excluded.TOT_PRCHS_OPTN_AMT, PRCHS_OPTN_TXT = excluded.PRCHS_OPTN_TXT");
    insert.Bind(1, account).Bind(2, state_).Bind(10, comment_);
    if (inState_) {
        insert.Bind(3, inState_->plate)
            .Bind(4, inState_->day.FormatIso())
            .Bind(5, inState_->time)
            .Bind(6, inState_->troop)
            .Bind(7, inState_->district)
            .Bind(8, inState_->weight)
            .Bind(9, inState_->amount.Units());
    }
    insert.Run();
}

} // namespace tavrik
