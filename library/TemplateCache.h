// The local copies of the print templates the back office keeps: the template of a type valid on a
// day is asked for (request 1006, waiting for its answer) and its text written to a file in a folder
// of the library's own, so that a printer can load it by path.
#pragma once

#include "common/CalendarDate.h"
#include "library/Transport.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace tavrik {

class TemplateCache {
public:
    // folder is made when first written to. The transport must outlive the cache.
    TemplateCache(Transport& transport, std::string userId, std::filesystem::path folder,
                  std::chrono::milliseconds timeout);

    // The path of the copy of the template valid that day, written anew from the store's text so that
    // an edit in the store reaches the next print; "" when no template of the type is valid then.
    // Throws std::runtime_error when the back office refuses or does not answer, or the file cannot be
    // written.
    std::string FileFor(int templateType, const CalendarDate& day);

private:
    Transport& transport_;
    std::string userId_;
    std::filesystem::path folder_;
    std::chrono::milliseconds timeout_;
};

} // namespace tavrik
