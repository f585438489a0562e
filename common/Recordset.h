// Rows of one data set with a cursor, in the manner of an ADO recordset: walked, sorted, filtered,
// searched, edited and cloned. Clones share the rows (an edit through one is seen by the other) but
// each has its own cursor, sort and filter.
#pragma once

#include "common/DataTable.h"
#include "common/FieldValue.h"
#include "common/RecordCriteria.h"
#include "common/RecordStatus.h"
#include "common/SortOrder.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class Recordset {
public:
    // A row's identity; stays valid across sorting, filtering and edits of other rows.
    using Bookmark = std::size_t;

    Recordset();
    explicit Recordset(DataTable table);
    // Reads the rows where they are; they are copied only when the recordset first edits them.
    explicit Recordset(std::shared_ptr<const DataTable> table);

    const std::vector<FieldDefinition>& Fields() const;
    bool HasField(std::string_view name) const;

    // Rows that pass the filter, deleted rows excluded.
    std::size_t RecordCount() const;
    bool IsBOF() const;
    bool IsEOF() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();

    // The current row; throws std::runtime_error at BOF or EOF.
    Bookmark GetBookmark() const;
    // Makes the row current; answers false (and leaves the cursor) when it is not among the visible rows.
    bool SetBookmark(Bookmark bookmark);

    // Field of the current row (names without regard to case). Throws std::runtime_error at BOF/EOF
    // or for a field the recordset does not have.
    FieldValue Field(std::string_view name) const;
    void SetField(std::string_view name, FieldValue value);
    // Field of any row by bookmark, visible or not; the same errors as Field.
    FieldValue FieldAt(Bookmark bookmark, std::string_view name) const;
    void SetFieldAt(Bookmark bookmark, std::string_view name, FieldValue value);
    RecordStatus Status() const;
    RecordStatus StatusAt(Bookmark bookmark) const;

    // "CUST_ID,ACCT_RCVBL_NBR" or "ASSMT_CD ASC, ASSMT_ISSUE_DT DESC"; stable; "" restores the read order.
    // Throws std::runtime_error for an unknown field or a malformed list. Moves to the first row. Rows
    // the table knows to be in that order already are not sorted again.
    void Sort(std::string_view fieldList);
    const std::string& SortText() const;

    // Criteria such as "[OVR_PYMT_STTS_CD]='O'", "CD_TBL_CD = 'X'", "A = 'x' AND (B > 3 OR C <> '')".
    // "" removes the filter. Criteria that cannot be parsed show no rows. Moves to the first row.
    void Filter(std::string_view criteria);
    const std::string& FilterText() const;
    // Searches from the current row forward for the first row that meets the criteria and makes it
    // current; at EOF (and answers false) when none does or the criteria cannot be parsed.
    bool Find(std::string_view criteria);

    Recordset Clone() const;

    // A new row at the end, made current, status New; its fields are null until set.
    void AddNew();
    // Ends the edit of the current row (kept for callers written against ADO; edits apply at once).
    void Update();
    // Marks the current row Deleted; it leaves the visible rows and the cursor moves to the next.
    // A MoveNext right after a Delete stays on that next row, so that ADO's loop "Delete, MoveNext
    // until EOF" still removes every row.
    void Delete();

    // The visible rows in their current order, for a grid to page through.
    const std::vector<Bookmark>& VisibleRows() const;
    // Grows whenever a row, the sort or the filter changes, so that a view can drop cached decoration.
    std::uint64_t Revision() const;

    // The visible rows, in their order, as a table to send (deleted rows are never among them).
    DataTable ToTable() const;

private:
    struct Shared;

    void Rebuild();
    // Takes in rows that a clone added or deleted since this recordset last looked.
    void Sync() const;
    std::size_t FieldIndexOrThrow(std::string_view name) const;
    Bookmark CurrentOrThrow() const;
    void CheckBookmark(Bookmark bookmark) const;

    std::shared_ptr<Shared> shared_;
    std::string sortText_;
    std::string filterText_;
    SortOrder sortOrder_;
    std::optional<RecordCriteria> filter_;
    bool filterBroken_ = false; // criteria that could not be parsed: no rows are shown
    mutable std::vector<Bookmark> visible_;
    mutable std::size_t position_ = 0; // index into visible_; visible_.size() is EOF
    bool beforeFirst_ = false;
    bool justDeleted_ = false;
    std::uint64_t ownRevision_ = 0;
    mutable std::uint64_t seenMembership_ = 0; // Shared::membership when visible_ was last brought up to date
    mutable std::size_t seenRowCount_ = 0;
};

} // namespace tavrik
