#include "common/Tavrik_CodesCombo.h"

#include "common/TextUtil.h"

namespace tavrik {

void Tavrik_CodesCombo::Setcodetype(std::string codeType) {
    codeType_ = std::move(codeType);
    Reload();
}

void Tavrik_CodesCombo::SetShowAllCodes(bool showAll) {
    if (showAll == showAllCodes_)
        return;
    showAllCodes_ = showAll;
    const std::string code = Code();
    Reload();
    if (!code.empty())
        SetCode(code);
}

void Tavrik_CodesCombo::Reload() {
    entries_ = codeType_.empty() ? std::vector<CodeEntry>{} : services_.GetCodes(codeType_, showAllCodes_);
    Select(std::nullopt, "");
    StateChanged.Raise();
}

std::string Tavrik_CodesCombo::Code() const {
    return selected_ ? entries_[*selected_].code : std::string();
}

std::string Tavrik_CodesCombo::Description() const {
    return selected_ ? entries_[*selected_].description : std::string();
}

int Tavrik_CodesCombo::EntryIndicator() const {
    return IsBlank(text_) ? 0 : 1;
}

void Tavrik_CodesCombo::SetCode(const std::string& code) {
    for (std::size_t index = 0; index < entries_.size(); ++index)
        if (entries_[index].code == code) {
            Select(index, entries_[index].description);
            return;
        }
    Select(std::nullopt, code);
}

void Tavrik_CodesCombo::SetText(std::string text) {
    const std::string wanted = ToUpper(Trim(text));
    for (std::size_t index = 0; index < entries_.size(); ++index)
        if (!wanted.empty() &&
            (ToUpper(entries_[index].code) == wanted || ToUpper(entries_[index].description) == wanted)) {
            Select(index, std::move(text));
            return;
        }
    Select(std::nullopt, std::move(text));
}

void Tavrik_CodesCombo::SelectIndex(std::size_t index) {
    if (index < entries_.size())
        Select(index, entries_[index].description);
}

void Tavrik_CodesCombo::AddCode(const std::string& code) {
    for (const CodeEntry& entry : entries_)
        if (entry.code == code)
            return;
    entries_.push_back(CodeEntry{code, services_.GetCodeDescription(code, codeType_)});
    StateChanged.Raise();
}

void Tavrik_CodesCombo::Select(std::optional<std::size_t> index, std::string text) {
    if (index == selected_ && text == text_)
        return;
    selected_ = index;
    text_ = std::move(text);
    StateChanged.Raise();
    Change.Raise();
}

} // namespace tavrik
