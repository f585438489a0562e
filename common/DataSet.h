// A named table of rows around a recordset: opened from a source, or handed out by the data-set
// service as a copy of a reply's rows.
#pragma once

#include "common/DataSetOpener.h"
#include "common/Recordset.h"

#include <memory>
#include <string>

namespace tavrik {

class DataSet {
public:
    // A data set whose source is opened through opener.
    explicit DataSet(DataSetOpener& opener) : opener_(&opener) {}
    // A data set opened at once from the source (see Open).
    DataSet(DataSetOpener& opener, std::string source) : opener_(&opener), source_(std::move(source)) {
        Open();
    }
    // A data set on given rows, such as those of a reply: they are read in place and copied only when
    // the data set's recordset edits them, so the giver's rows never change.
    DataSet(std::string name, std::shared_ptr<const DataTable> rows);

    const std::string& Name() const { return name_; }
    const std::string& Source() const { return source_; }
    void SetSource(std::string source) { source_ = std::move(source); }

    // Creates the recordset from the source; throws std::runtime_error when there is no source to
    // open or the source cannot be opened.
    void Open();
    // The recordset, or nullptr before Open or after it was detached.
    const std::shared_ptr<tavrik::Recordset>& Recordset() const { return recordset_; }
    void DetachRecordset() { recordset_.reset(); }
    void Close() { recordset_.reset(); }

private:
    DataSetOpener* opener_ = nullptr;
    std::string name_;
    std::string source_;
    std::shared_ptr<tavrik::Recordset> recordset_;
};

} // namespace tavrik
