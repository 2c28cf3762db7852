#include "code_list_file.h"

#include "feature_texts.h"

#include "fileio/fileio.h"
#include "text/text.h"

namespace featurebook {

std::optional<CodeBook> OpenCodeList(const std::filesystem::path& path, std::string& error)
{
    const std::optional<std::string> bytes = harwick::platform::readWholeFile(path, error);
    if (!bytes) return std::nullopt;
    if (const std::optional<harwick::crf::Refusal> refusal = harwick::crf::refusalOf(*bytes)) {
        error = *refusal == harwick::crf::Refusal::OtherVersion ? kOtherVersion : kNotACodeList;
        return std::nullopt;
    }
    return CodeBook::FromList(harwick::crf::read(*bytes));
}

bool IsCodeListName(const std::filesystem::path& path)
{
    return harwick::text::contains(harwick::text::toLower(path.filename().string()), kCodeListExtension);
}

SaveStatus SaveCodeList(const CodeBook& book, const std::filesystem::path& path, std::string& error)
{
    if (!IsCodeListName(path)) return SaveStatus::NotACodeListName;
    if (!harwick::platform::replaceFileAtomically(path, book.FileText(), error)) return SaveStatus::Failed;
    return SaveStatus::Saved;
}

std::string SaveFailureMessage(SaveStatus status, const std::filesystem::path& path, std::string_view error)
{
    if (status == SaveStatus::NotACodeListName) return harwick::text::concat({kNotSavedNotCrf, path.string()});
    if (status == SaveStatus::Failed) return harwick::text::concat({kNotSaved, path.string(), kReasonSeparator, error});
    return {};
}

std::string OpenFailureMessage(const std::filesystem::path& path, std::string_view error)
{
    return harwick::text::concat({kNotOpened, path.string(), kReasonSeparator, error});
}

} // namespace featurebook
