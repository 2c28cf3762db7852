// The drawing's frame: creation and closing, sections, tables, header
// variables and the settings later entities take.
#include "drawing.h"

#include "drawmap.h"
#include "names.h"

#include "fileio/fileio.h"

#include <cmath>
#include <system_error>
#include <unistd.h>

namespace drawmap {

namespace {

std::string_view SectionWord(int code)
{
    switch (code) {
    case DXF_SECTION_HEADER: return word::kHeader;
    case DXF_SECTION_TABLES: return word::kTables;
    case DXF_SECTION_BLOCKS: return word::kBlocks;
    case DXF_SECTION_ENTITIES: return word::kEntities;
    default: return {};
    }
}

// Tables come in R12's order; 0 for a type the drawing does not know.
int TableRank(int type)
{
    switch (type) {
    case DXF_TABLE_LTYPE: return 1;
    case DXF_TABLE_LAYER: return 2;
    case DXF_TABLE_STYLE: return 3;
    case DXF_TABLE_DIMSTYLE: return 4;
    default: return 0;
    }
}

std::string_view TableWord(int type)
{
    switch (type) {
    case DXF_TABLE_LTYPE: return word::kLinetype;
    case DXF_TABLE_LAYER: return word::kLayer;
    case DXF_TABLE_STYLE: return word::kStyle;
    default: return word::kDimStyle;
    }
}

bool Within(int code, int low, int high) { return code >= low && code <= high; }

// Header values: strings 1-9, integers 60-79 and 170-179, reals 10-59 and
// 140-149, as the group code ranges of DXF define them.
bool CodeFits(int code, const ParamValue& value)
{
    if (std::holds_alternative<std::string_view>(value)) return Within(code, 1, 9);
    if (std::holds_alternative<int>(value)) return Within(code, 60, 79) || Within(code, 170, 179);
    return Within(code, 10, 59) || Within(code, 140, 149);
}

bool ValueValid(const ParamValue& value)
{
    if (const auto* text = std::get_if<std::string_view>(&value)) return ValidText(*text);
    if (const auto* real = std::get_if<double>(&value)) return std::isfinite(*real);
    return true;
}

bool Creatable(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::filesystem::path dir = path.parent_path();
    if (dir.empty()) dir = ".";
    return std::filesystem::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

} // namespace

std::unique_ptr<Drawing> Drawing::Create(std::string_view path)
{
    if (path.empty()) return nullptr;
    std::filesystem::path target(path);
    if (!Creatable(target)) return nullptr;
    return std::make_unique<Drawing>(Key{}, std::move(target));
}

bool Drawing::BeginSection(int code)
{
    const std::string_view name = SectionWord(code);
    if (name.empty() || openSection_ || code <= lastSection_) return false;
    if (code == DXF_SECTION_ENTITIES) entitiesAt_ = out_.size();
    Put(out_, kStart, word::kSection);
    Put(out_, kName, name);
    if (code == DXF_SECTION_HEADER) {
        Put(out_, kVariable, word::kVersionVariable);
        Put(out_, kText, word::kVersionR12);
        variables_.emplace(word::kVersionVariable);
    }
    openSection_ = code;
    lastSection_ = code;
    return true;
}

bool Drawing::EndSection()
{
    if (!openSection_ || openTable_ || openBlock_ || pendingY_) return false;
    if (*openSection_ == DXF_SECTION_BLOCKS) {
        // Dimensions drawn inside block definitions bring their own blocks.
        out_ += dimBlocks_;
        dimBlocks_.clear();
        blocksEndAt_ = out_.size();
    }
    Put(out_, kStart, word::kEndSection);
    openSection_.reset();
    lastVariable_.clear();
    return true;
}

bool Drawing::BeginTable(int type)
{
    const int rank = TableRank(type);
    if (openSection_ != DXF_SECTION_TABLES || openTable_ || rank == 0 || rank <= lastTableRank_) return false;
    if (type != DXF_TABLE_LTYPE && !linetypeTableWritten_) {
        // Layers name CONTINUOUS; CAD programs want to find it declared.
        std::string body;
        WriteContinuous(body);
        WriteTable(DXF_TABLE_LTYPE, body, 1);
        linetypeTableWritten_ = true;
    }
    openTable_ = type;
    lastTableRank_ = rank;
    tableBody_.clear();
    tableEntries_ = 0;
    return true;
}

bool Drawing::EndTable()
{
    if (!openTable_) return false;
    if (*openTable_ == DXF_TABLE_LTYPE) {
        if (!linetypes_.contains(std::string(word::kContinuous))) {
            WriteContinuous(tableBody_);
            ++tableEntries_;
        }
        linetypeTableWritten_ = true;
    }
    WriteTable(*openTable_, tableBody_, tableEntries_);
    openTable_.reset();
    tableBody_.clear();
    return true;
}

void Drawing::WriteTable(int type, std::string_view body, int entries)
{
    Put(out_, kStart, word::kTable);
    Put(out_, kName, TableWord(type));
    Put(out_, kFlags, entries);
    out_ += body;
    Put(out_, kStart, word::kEndTable);
}

void Drawing::WriteContinuous(std::string& out) const
{
    Put(out, kStart, word::kLinetype);
    Put(out, kName, word::kContinuous);
    Put(out, kFlags, 0);
    Put(out, kOtherName, word::kContinuousDescription);
    Put(out, kFlags2, word::kAlignmentA);
    Put(out, kFlags3, 0);
    PutReal(out, kHeight, 0.0);
}

bool Drawing::WriteParam(std::string_view name, int code, const ParamValue& value)
{
    const std::optional<std::string> variable = VariableName(name);
    if (openSection_ != DXF_SECTION_HEADER || !variable || !CodeFits(code, value) || !ValueValid(value)) {
        return false;
    }
    const bool continues = *variable == lastVariable_;
    if (continues ? lastVariableCodes_.contains(code) : variables_.contains(*variable)) return false;
    // A point's x (10-18) must be followed by its y, and y and z need the
    // coordinate before them: readers take a lone x as a broken file.
    if (pendingY_ && !(continues && code == *pendingY_)) return false;
    const bool yOrZ = Within(code, 20, 38);
    if (yOrZ && !(continues && lastVariableCodes_.contains(code - 10))) return false;
    pendingY_ = Within(code, 10, 18) ? std::optional<int>(code + 10) : std::nullopt;
    if (!continues) {
        Put(out_, kVariable, *variable);
        variables_.insert(*variable);
        lastVariable_ = *variable;
        lastVariableCodes_.clear();
    }
    lastVariableCodes_.insert(code);
    if (const auto* text = std::get_if<std::string_view>(&value)) Put(out_, code, *text);
    else if (const auto* number = std::get_if<int>(&value)) Put(out_, code, *number);
    else PutReal(out_, code, std::get<double>(value));
    return true;
}

bool Drawing::LinetypeDeclared(const std::string& name) const
{
    return name == word::kContinuous || linetypes_.contains(name);
}

bool Drawing::SetCurrentLayer(std::string_view name, bool requireDeclared)
{
    std::optional<std::string> layer = SymbolName(name);
    if (!layer) return false;
    if (requireDeclared && *layer != word::kLayerZero && !layers_.contains(*layer)) return false;
    layer_ = std::move(*layer);
    return true;
}

bool Drawing::SetCurrentColor(int color)
{
    if (color < kColorByBlock || color > kColorByLayer) return false;
    color_ = color;
    return true;
}

bool Drawing::SetCurrentLinetype(std::string_view name)
{
    std::optional<std::string> linetype = SymbolName(name);
    if (!linetype) return false;
    if (*linetype != word::kByLayer && *linetype != word::kByBlock && !LinetypeDeclared(*linetype)) return false;
    linetype_ = std::move(*linetype);
    return true;
}

bool Drawing::SetCurrentTextStyle(std::string_view name)
{
    std::optional<std::string> style = SymbolName(name);
    if (!style || (*style != word::kStandard && !textStyles_.contains(*style))) return false;
    textStyle_ = std::move(*style);
    return true;
}

bool Drawing::SetCurrentDimStyle(std::string_view name)
{
    std::optional<std::string> style = SymbolName(name);
    if (!style || (*style != word::kStandard && !dimStyles_.contains(*style))) return false;
    dimStyle_ = std::move(*style);
    return true;
}

bool Drawing::Close()
{
    if (openSection_ || openTable_ || openBlock_) return false;
    std::string error;
    if (!written_) {
        PlaceDimBlocks();
        Put(out_, kStart, word::kEof);
        return harwick::platform::replaceFileAtomically(path_, out_, error);
    }
    Put(out_, kStart, word::kEof);
    if (dimBlocks_.empty()) {
        written_->Write(out_);
        return written_->Commit(error);
    }
    // Dimensions drawn after text was written out: their blocks go in front
    // of the entities, so the file is made again around what was written.
    const std::size_t headSize = head_.size();
    PlaceDimBlocks();
    harwick::platform::AtomicFile remade(path_);
    remade.Write(head_);
    written_->CopyTo(remade, headSize);
    remade.Write(out_);
    return remade.Commit(error);
}

namespace {
// Large enough that writes are few, small enough that the text stays in the
// processor's cache until it is written: a drawing of a million points is
// made noticeably faster than with larger pieces.
constexpr std::size_t kWriteOutSize = std::size_t{1} << 20;
} // namespace

void Drawing::WriteOutWhenLarge()
{
    if (!entitiesAt_ || out_.size() < kWriteOutSize) return;
    if (!written_) {
        written_ = std::make_unique<harwick::platform::AtomicFile>(path_);
        head_ = out_.substr(0, *entitiesAt_);
    }
    // A failed write is remembered by the file and fails the close.
    written_->Write(out_);
    out_.clear();
}

} // namespace drawmap
