// The code list being edited: its name, the author who started it, the
// feature codes in table order, each with its short cut and the default
// values of its eight attribute slots, and the edit rules of the code table.
// Rows are counted from 0 here; row Count() is the entry row, which always
// follows the last code and is where a new code is typed.
#pragma once

#include "crf/crf.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace featurebook {

inline constexpr std::size_t kInfoSlots = harwick::crf::kAttributesPerCode;
using Defaults = std::array<std::string, kInfoSlots>;

struct FeatureCode {
    std::string code;
    std::string shortcut;
    Defaults defaults;
};

// Why a new cell text is refused; None: it is accepted.
enum class Refusal { None, IllegalCodeName, NotANumber, TooLong };

// The message a refusal shows; empty for None.
std::string_view RefusalMessage(Refusal refusal);

// What an accepted code text did.
enum class CodeChange {
    Born,     // typed into the entry row: a new code, and a fresh entry row after it
    Renamed,  // an existing code took the text
    Nothing,  // the entry row was left empty
};

// "Info 1" to "Info 8" for slot 0 to 7.
std::string InfoLabel(std::size_t slot);

class CodeBook {
public:
    CodeBook() = default;
    CodeBook(std::string name, std::string author);

    // A list read from a file. Each code takes its eight defaults from the
    // attribute records: in file order, eight per code, when the records are
    // laid out so (as the editor writes them); otherwise by the record's
    // code and "InfoN" name, the first match winning. A slot with no record
    // stays empty. The author is empty.
    static CodeBook FromList(const harwick::crf::CodeList& list);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Author() const { return author_; }

    std::size_t Count() const { return codes_.size(); }
    bool IsEntryRow(std::size_t row) const { return row == codes_.size(); }
    const FeatureCode& At(std::size_t row) const { return codes_.at(row); }
    // The cell texts of a row; the entry row's code is empty and its short
    // cut is whatever was typed there before its code.
    std::string_view CodeText(std::size_t row) const;
    std::string_view Shortcut(std::size_t row) const;

    // Whether text may stand in the code column of row: not when another
    // code already has it, nor when it holds a character the file layout
    // cannot keep (blank, tab, double quote, comma, semicolon).
    Refusal CheckCode(std::size_t row, std::string_view text) const;
    // Digits only, at most two of them; empty is accepted.
    static Refusal CheckShortcut(std::string_view text);

    // Stores an accepted code text (CheckCode first).
    CodeChange SetCode(std::size_t row, std::string text);
    // Stores an accepted short cut (CheckShortcut first); row may be the entry row.
    void SetShortcut(std::size_t row, std::string text);
    void SetDefault(std::size_t row, std::size_t slot, std::string text);

    // Removes a code with its attributes; the entry row is emptied instead
    // and stays. False when row is the entry row or past it.
    bool Remove(std::size_t row);
    void ClearEntryRow() { entryShortcut_.clear(); }

    // The list as the file writes it.
    std::vector<harwick::crf::CodeEntry> Entries() const;
    std::string FileText() const;

private:
    std::string name_;
    std::string author_;
    std::vector<FeatureCode> codes_;
    std::string entryShortcut_;
};

} // namespace featurebook
