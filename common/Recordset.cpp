#include "common/Recordset.h"

#include "common/TextUtil.h"

#include <algorithm>
#include <stdexcept>

namespace tavrik {

// The rows start out shared with whoever handed them over (a reply the library keeps, say) and are
// copied on the first edit, so reading a long reply costs no copy and editing never reaches it.
struct Recordset::Shared {
    std::shared_ptr<const DataTable> rows;
    std::shared_ptr<DataTable> edited; // set once the rows were copied for an edit

    const DataTable& Table() const { return *rows; }
    DataTable& EditableTable() {
        if (!edited) {
            edited = std::make_shared<DataTable>(*rows);
            rows = edited;
        }
        return *edited;
    }
    std::vector<RecordStatus> statuses;
    std::uint64_t revision = 0;
    std::uint64_t membership = 0; // grows when a row is added or deleted
};

namespace {

// A value as the field's type holds it: blank text in a typed field is null; text that holds no such
// value is refused, as ADO refuses a type mismatch.
FieldValue ToFieldType(FieldValue value, const FieldDefinition& field) {
    if (value.IsNull())
        return value;
    if (field.type == FieldType::Text)
        return value.IsText() ? value : FieldValue(value.ToStoreText());
    if (value.IsText() && IsBlank(value.ToText()))
        return {};
    if (field.type == FieldType::Integer) {
        if (auto number = value.AsInteger())
            return FieldValue(*number);
    } else if (field.type == FieldType::Currency) {
        if (auto amount = value.AsCurrency())
            return FieldValue(*amount);
    } else if (auto date = value.AsDate()) {
        return FieldValue(*date);
    }
    throw std::runtime_error("Type mismatch: \"" + value.ToText() + "\" cannot be stored in field " +
                             field.name);
}

} // namespace

Recordset::Recordset() : Recordset(DataTable{}) {}

Recordset::Recordset(DataTable table) : Recordset(std::make_shared<const DataTable>(std::move(table))) {}

Recordset::Recordset(std::shared_ptr<const DataTable> table) : shared_(std::make_shared<Shared>()) {
    shared_->statuses.assign(table->RowCount(), RecordStatus::Unmodified);
    shared_->rows = std::move(table);
    Rebuild();
}

const std::vector<FieldDefinition>& Recordset::Fields() const {
    return shared_->Table().Fields();
}

bool Recordset::HasField(std::string_view name) const {
    return shared_->Table().FieldIndex(name).has_value();
}

std::size_t Recordset::RecordCount() const {
    Sync();
    return visible_.size();
}

bool Recordset::IsBOF() const {
    Sync();
    return beforeFirst_ || visible_.empty();
}

bool Recordset::IsEOF() const {
    Sync();
    return position_ >= visible_.size();
}

void Recordset::MoveFirst() {
    Sync();
    position_ = 0;
    beforeFirst_ = false;
    justDeleted_ = false;
}

void Recordset::MoveNext() {
    if (justDeleted_) {
        justDeleted_ = false;
        return;
    }
    if (IsEOF())
        throw std::runtime_error("Cannot move past the end of the recordset");
    if (beforeFirst_)
        beforeFirst_ = false;
    else
        ++position_;
}

void Recordset::MovePrevious() {
    if (IsBOF())
        throw std::runtime_error("Cannot move before the start of the recordset");
    justDeleted_ = false;
    if (position_ == 0)
        beforeFirst_ = true;
    else
        --position_;
}

void Recordset::MoveLast() {
    Sync();
    position_ = visible_.empty() ? 0 : visible_.size() - 1;
    beforeFirst_ = false;
    justDeleted_ = false;
}

Recordset::Bookmark Recordset::GetBookmark() const {
    return CurrentOrThrow();
}

bool Recordset::SetBookmark(Bookmark bookmark) {
    Sync();
    auto found = std::find(visible_.begin(), visible_.end(), bookmark);
    if (found == visible_.end())
        return false;
    position_ = static_cast<std::size_t>(found - visible_.begin());
    beforeFirst_ = false;
    justDeleted_ = false;
    return true;
}

FieldValue Recordset::Field(std::string_view name) const {
    return FieldAt(CurrentOrThrow(), name);
}

void Recordset::SetField(std::string_view name, FieldValue value) {
    SetFieldAt(CurrentOrThrow(), name, std::move(value));
}

FieldValue Recordset::FieldAt(Bookmark bookmark, std::string_view name) const {
    CheckBookmark(bookmark);
    return shared_->Table().Cell(bookmark, FieldIndexOrThrow(name));
}

void Recordset::SetFieldAt(Bookmark bookmark, std::string_view name, FieldValue value) {
    CheckBookmark(bookmark);
    std::size_t field = FieldIndexOrThrow(name);
    RecordStatus& status = shared_->statuses[bookmark];
    if (status == RecordStatus::Deleted)
        throw std::runtime_error("The row has been deleted");
    DataTable& table = shared_->EditableTable();
    table.SetCell(bookmark, field, ToFieldType(std::move(value), table.Fields()[field]));
    if (status == RecordStatus::Unmodified)
        status = RecordStatus::Modified;
    ++shared_->revision;
}

RecordStatus Recordset::Status() const {
    return StatusAt(CurrentOrThrow());
}

RecordStatus Recordset::StatusAt(Bookmark bookmark) const {
    CheckBookmark(bookmark);
    return shared_->statuses[bookmark];
}

void Recordset::Sort(std::string_view fieldList) {
    sortOrder_ = SortOrder::Parse(fieldList, shared_->Table());
    sortText_ = std::string(fieldList);
    ++ownRevision_;
    Rebuild();
}

const std::string& Recordset::SortText() const {
    return sortText_;
}

void Recordset::Filter(std::string_view criteria) {
    filterText_ = std::string(criteria);
    filter_.reset();
    filterBroken_ = false;
    if (!IsBlank(criteria)) {
        filter_ = RecordCriteria::Parse(criteria, shared_->Table());
        filterBroken_ = !filter_;
    }
    ++ownRevision_;
    Rebuild();
}

const std::string& Recordset::FilterText() const {
    return filterText_;
}

bool Recordset::Find(std::string_view criteria) {
    Sync();
    justDeleted_ = false;
    std::size_t from = beforeFirst_ ? 0 : position_;
    beforeFirst_ = false;
    position_ = visible_.size();
    std::optional<RecordCriteria> wanted = RecordCriteria::Parse(criteria, shared_->Table());
    if (!wanted)
        return false;
    for (std::size_t i = from; i < visible_.size(); ++i) {
        if (wanted->Matches(shared_->Table(), visible_[i])) {
            position_ = i;
            return true;
        }
    }
    return false;
}

Recordset Recordset::Clone() const {
    Sync();
    Recordset clone(*this);
    clone.MoveFirst();
    return clone;
}

void Recordset::AddNew() {
    Sync();
    DataTable& table = shared_->EditableTable();
    table.AddRow();
    shared_->statuses.push_back(RecordStatus::New);
    ++shared_->revision;
    ++shared_->membership;
    // Every recordset on these rows, this one too, shows the new row at its end until it sorts or
    // filters again.
    Sync();
    position_ = visible_.size() - 1;
    beforeFirst_ = false;
    justDeleted_ = false;
}

void Recordset::Update() {}

void Recordset::Delete() {
    Bookmark current = CurrentOrThrow();
    shared_->statuses[current] = RecordStatus::Deleted;
    ++shared_->revision;
    ++shared_->membership;
    Sync();
    justDeleted_ = true;
}

const std::vector<Recordset::Bookmark>& Recordset::VisibleRows() const {
    Sync();
    return visible_;
}

std::uint64_t Recordset::Revision() const {
    return shared_->revision + ownRevision_;
}

DataTable Recordset::ToTable() const {
    Sync();
    DataTable table(shared_->Table().Fields());
    for (Bookmark bookmark : visible_)
        table.AddRowFrom(shared_->Table(), bookmark);
    return table;
}

void Recordset::Rebuild() {
    const DataTable& table = shared_->Table();
    visible_.clear();
    if (!filterBroken_) {
        visible_.reserve(table.RowCount());
        for (Bookmark bookmark = 0; bookmark < table.RowCount(); ++bookmark)
            if (shared_->statuses[bookmark] != RecordStatus::Deleted &&
                (!filter_ || filter_->Matches(table, bookmark)))
                visible_.push_back(bookmark);
    }
    // Rows in read order that the table knows to be sorted by these keys (or more) need no sort:
    // a stable sort would leave them as they are.
    if (!sortOrder_.IsEmpty() && !sortOrder_.IsPrefixOf(table.Order())) {
        std::stable_sort(visible_.begin(), visible_.end(), [&table, this](Bookmark left, Bookmark right) {
            return sortOrder_.Before(table, left, right);
        });
    }
    seenMembership_ = shared_->membership;
    seenRowCount_ = table.RowCount();
    position_ = 0;
    beforeFirst_ = false;
    justDeleted_ = false;
}

void Recordset::Sync() const {
    if (seenMembership_ == shared_->membership)
        return;
    const auto& statuses = shared_->statuses;
    // The cursor stays on its row; when that row is gone, on the row after it.
    std::size_t removedBeforeCursor = 0;
    for (std::size_t i = 0; i < position_ && i < visible_.size(); ++i)
        if (statuses[visible_[i]] == RecordStatus::Deleted)
            ++removedBeforeCursor;
    position_ -= removedBeforeCursor;
    std::erase_if(visible_,
                  [&statuses](Bookmark bookmark) { return statuses[bookmark] == RecordStatus::Deleted; });
    bool atEnd = position_ == visible_.size();
    for (Bookmark bookmark = seenRowCount_; bookmark < statuses.size(); ++bookmark)
        if (statuses[bookmark] != RecordStatus::Deleted)
            visible_.push_back(bookmark);
    if (atEnd)
        position_ = visible_.size();
    seenMembership_ = shared_->membership;
    seenRowCount_ = statuses.size();
}

std::size_t Recordset::FieldIndexOrThrow(std::string_view name) const {
    std::optional<std::size_t> index = shared_->Table().FieldIndex(name);
    if (!index)
        throw std::runtime_error("The recordset has no field " + std::string(name));
    return *index;
}

Recordset::Bookmark Recordset::CurrentOrThrow() const {
    if (IsBOF() || IsEOF())
        throw std::runtime_error("Either BOF or EOF is true: there is no current row");
    return visible_[position_];
}

void Recordset::CheckBookmark(Bookmark bookmark) const {
    if (bookmark >= shared_->Table().RowCount())
        throw std::runtime_error("The bookmark names no row of the recordset");
}

} // namespace tavrik
