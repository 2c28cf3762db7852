#include "code_book.h"

#include "feature_texts.h"

namespace featurebook {

namespace {

namespace crf = harwick::crf;

// Characters that the reader removes or cuts at, so a code holding one would
// come back as another code.
constexpr std::string_view kCharactersTheFileLoses = " \t\",;";
constexpr std::string_view kDigits = "0123456789";
constexpr std::size_t kShortcutDigits = 2;
constexpr std::string_view kAttributeNamePrefix = "Info";

std::string AttributeName(std::size_t slot)
{
    return std::string(kAttributeNamePrefix) + std::to_string(slot + 1);
}

// Whether the records are eight per code in code order, as the editor writes
// them: then they match by position, whatever other programs named them.
bool LaidOutPerCode(const crf::CodeList& list)
{
    if (list.attributes.size() != list.codes.size() * kInfoSlots) return false;
    for (std::size_t i = 0; i < list.attributes.size(); ++i) {
        if (list.attributes[i].Code != list.codes[i / kInfoSlots].Code) return false;
    }
    return true;
}

Defaults DefaultsByName(const crf::CodeList& list, const std::string& code)
{
    Defaults defaults;
    std::array<bool, kInfoSlots> found{};
    for (const crf::AttributeRecord& a : list.attributes) {
        if (a.Code != code) continue;
        for (std::size_t slot = 0; slot < kInfoSlots; ++slot) {
            if (found[slot] || a.Attribute != AttributeName(slot)) continue;
            defaults[slot] = a.Default;
            found[slot] = true;
        }
    }
    return defaults;
}

} // namespace

std::string_view RefusalMessage(Refusal refusal)
{
    switch (refusal) {
    case Refusal::IllegalCodeName: return kIllegalCodeName;
    case Refusal::NotANumber: return kInputNumber;
    case Refusal::TooLong: return kTwoNumbers;
    case Refusal::None: break;
    }
    return {};
}

std::string InfoLabel(std::size_t slot)
{
    return std::string(kInfoPrefix) + std::to_string(slot + 1);
}

CodeBook::CodeBook(std::string name, std::string author) : name_(std::move(name)), author_(std::move(author)) {}

CodeBook CodeBook::FromList(const crf::CodeList& list)
{
    CodeBook book(list.name, {});
    book.codes_.reserve(list.codes.size());
    const bool positional = LaidOutPerCode(list);
    for (std::size_t i = 0; i < list.codes.size(); ++i) {
        FeatureCode code{list.codes[i].Code, list.codes[i].Shortcut, {}};
        if (positional) {
            for (std::size_t slot = 0; slot < kInfoSlots; ++slot)
                code.defaults[slot] = list.attributes[i * kInfoSlots + slot].Default;
        } else {
            code.defaults = DefaultsByName(list, code.code);
        }
        book.codes_.push_back(std::move(code));
    }
    return book;
}

std::string_view CodeBook::CodeText(std::size_t row) const
{
    return row < codes_.size() ? std::string_view(codes_[row].code) : std::string_view();
}

std::string_view CodeBook::Shortcut(std::size_t row) const
{
    if (row < codes_.size()) return codes_[row].shortcut;
    return IsEntryRow(row) ? std::string_view(entryShortcut_) : std::string_view();
}

Refusal CodeBook::CheckCode(std::size_t row, std::string_view text) const
{
    if (text.find_first_of(kCharactersTheFileLoses) != std::string_view::npos) return Refusal::IllegalCodeName;
    for (std::size_t other = 0; other < codes_.size(); ++other) {
        if (other != row && codes_[other].code == text) return Refusal::IllegalCodeName;
    }
    return Refusal::None;
}

Refusal CodeBook::CheckShortcut(std::string_view text)
{
    if (text.find_first_not_of(kDigits) != std::string_view::npos) return Refusal::NotANumber;
    if (text.size() > kShortcutDigits) return Refusal::TooLong;
    return Refusal::None;
}

CodeChange CodeBook::SetCode(std::size_t row, std::string text)
{
    if (row < codes_.size()) {
        codes_[row].code = std::move(text);
        return CodeChange::Renamed;
    }
    if (!IsEntryRow(row) || text.empty()) return CodeChange::Nothing;
    codes_.push_back(FeatureCode{std::move(text), std::move(entryShortcut_), {}});
    entryShortcut_.clear();
    return CodeChange::Born;
}

void CodeBook::SetShortcut(std::size_t row, std::string text)
{
    if (row < codes_.size()) {
        codes_[row].shortcut = std::move(text);
    } else if (IsEntryRow(row)) {
        entryShortcut_ = std::move(text);
    }
}

void CodeBook::SetDefault(std::size_t row, std::size_t slot, std::string text)
{
    if (row < codes_.size() && slot < kInfoSlots) codes_[row].defaults[slot] = std::move(text);
}

bool CodeBook::Remove(std::size_t row)
{
    if (IsEntryRow(row)) ClearEntryRow();
    if (row >= codes_.size()) return false;
    codes_.erase(codes_.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

std::vector<crf::CodeEntry> CodeBook::Entries() const
{
    std::vector<crf::CodeEntry> entries;
    entries.reserve(codes_.size());
    for (const FeatureCode& c : codes_) entries.push_back(crf::CodeEntry{c.code, c.shortcut, c.defaults});
    return entries;
}

std::string CodeBook::FileText() const
{
    return crf::write(name_, Entries());
}

} // namespace featurebook
