// The code-table combo box: offers the codes of one code table, lets the user pick or type one,
// and tells the form the chosen code, its description and whether anything is entered.
#pragma once

#include "common/CodeEntry.h"
#include "common/CommonServices.h"
#include "common/Control.h"

#include <optional>
#include <vector>

namespace tavrik {

class Tavrik_CodesCombo : public Control {
public:
    Tavrik_CodesCombo(std::string name, CommonServices& services)
        : Control(std::move(name)), services_(services) {}

    const std::string& codetype() const { return codeType_; }
    // Loads the table's codes (the current ones, or all when ShowAllCodes is set); clears the entry.
    void Setcodetype(std::string codeType);
    bool ShowAllCodes() const { return showAllCodes_; }
    void SetShowAllCodes(bool showAll);
    const std::vector<CodeEntry>& Entries() const { return entries_; }

    // The code of the current entry; "" when the typed text matches no code.
    std::string Code() const;
    // Selects the code; a code the list does not hold leaves nothing selected and shows the code.
    void SetCode(const std::string& code);
    const std::string& Text() const { return text_; }
    // Typed text: selects the code whose code or description it names (without regard to case).
    void SetText(std::string text);
    // Picks an entry of the list as the user does with the drop-down.
    void SelectIndex(std::size_t index);
    std::string Description() const;
    // Below 1 exactly when nothing is entered.
    int EntryIndicator() const;
    // Adds a code the list lacks (a code no longer current, say), with its description.
    void AddCode(const std::string& code);

    Event<> Change;
    // Raised by the view when the control loses the focus.
    Event<> LostFocus;

private:
    void Reload();
    void Select(std::optional<std::size_t> index, std::string text);

    CommonServices& services_;
    std::string codeType_;
    bool showAllCodes_ = false;
    std::vector<CodeEntry> entries_;
    std::optional<std::size_t> selected_;
    std::string text_;
};

} // namespace tavrik
