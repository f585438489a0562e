#include "library/TemplateCache.h"

#include "common/RequestNumbers.h"
#include "library/SubmitAndWait.h"

#include <fstream>
#include <stdexcept>

namespace tavrik {

TemplateCache::TemplateCache(Transport& transport, std::string userId, std::filesystem::path folder,
                             std::chrono::milliseconds timeout)
    : transport_(transport), userId_(std::move(userId)), folder_(std::move(folder)), timeout_(timeout) {}

std::string TemplateCache::FileFor(int templateType, const CalendarDate& day) {
    RequestMessage request;
    request.userId = userId_;
    request.piNumber = kTemplateRequest;
    request.keys = {{"key:TMPLT_TYP_CD", std::to_string(templateType), "=", "PENTRAX"},
                    {"key:TMPLT_DT", day.FormatIso(), "=", "PENTRAX"}};
    ReplyMessage reply = SubmitAndWait(transport_, std::move(request), timeout_);
    if (!reply.errorText.empty())
        throw std::runtime_error(reply.errorText);
    auto found = reply.dataSets.find("TEMPLATE");
    if (found == reply.dataSets.end() || found->second.IsEmpty())
        return "";

    const DataTable& table = found->second;
    const std::string validFrom = table.Cell(0, *table.FieldIndex("EFCTV_DT")).ToStoreText();
    const std::string text = table.Cell(0, *table.FieldIndex("TMPLT_TXT")).ToText();
    std::filesystem::create_directories(folder_);
    const std::filesystem::path path =
        folder_ / ("template-" + std::to_string(templateType) + "-" + validFrom + ".xsl");
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        throw std::runtime_error("The template could not be written to " + path.string() + ".");
    return path.string();
}

} // namespace tavrik
