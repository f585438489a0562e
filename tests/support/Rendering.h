// What the tests compare whole, rendered as short text: a grid's rows, a request's data-set rows and
// the rows a query on a store answers.
#pragma once

#include "common/RequestMessage.h"
#include "common/SSOleDBGrid.h"

#include <filesystem>
#include <string>

namespace tavrik {

// The grid's caption and visible captions, then each row's visible cells as displayed, one line
// each: "Caption: A | B |\n x | y |\n".
std::string RenderGrid(SSOleDBGrid& grid);
// Every cell of every row, hidden ones too, each followed by "|", one row a line.
std::string RenderAllCells(SSOleDBGrid& grid);
// A data set the request carries: one line per row, "FIELD=value " for every field that is set;
// "(none)" when the request lacks it.
std::string RenderRows(const RequestMessage& request, const std::string& dataSet);
// The rows a query on the store in that file answers, one line each, cells separated by " | ",
// NULL for a null.
std::string StoreRows(const std::filesystem::path& storeFile, const std::string& sql);

} // namespace tavrik
