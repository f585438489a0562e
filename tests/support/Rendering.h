// What the tests compare whole, rendered as short text: a grid's rows, a request's data-set rows and
// the rows a query on a store answers.
#pragma once

#include "common/ReplyMessage.h"
#include "common/RequestMessage.h"
#include "common/SSOleDBGrid.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavrik {

// The grid's caption and visible captions, then each row's visible cells as displayed, one line
// each: "Caption: A | B |\n x | y |\n".
std::string RenderGrid(SSOleDBGrid& grid);
// Every cell of every row, hidden ones too, each followed by "|", one row a line.
std::string RenderAllCells(SSOleDBGrid& grid);
// A data set the request carries: one line per row, "FIELD=value " for every field that is set;
// "(none)" when the request lacks it.
std::string RenderRows(const RequestMessage& request, const std::string& dataSet);
// The same for a data set a reply carries.
std::string RenderRows(const ReplyMessage& reply, const std::string& dataSet);
// How the rows of a query are written out: what stands between two cells, for a null, and after a
// row's last cell. The scenario tests read " | " and NULL; the back office's own tests end every
// cell with "|".
struct RowLayout {
    std::string_view between = " | ";
    std::string_view null = "NULL";
    std::string_view last = "";
};
inline constexpr RowLayout kCellsEndedByBar{"|", "", "|"};

// "on" or "off", as the tests write a control's state.
inline std::string OnOff(bool on) {
    return on ? "on" : "off";
}
// The rows a query on the store at that location answers, one line each.
std::string StoreRows(const std::string& location, const std::string& sql, RowLayout layout = {});
// The moment of that local day and time: what the tests set the back office's clock to.
std::chrono::system_clock::time_point LocalTime(int year, int month, int day, int hour, int minute,
                                                int second);

} // namespace tavrik
