// One drawing being built: the DXF text so far and the state that decides
// which call is valid next. Every method checks the whole call before it
// writes anything, so a refused call (false) leaves the drawing as it was.
// Not thread-safe on its own; the exports serialise calls per drawing.
#pragma once

#include "fileio/fileio.h"

#include "dxf_out.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>
#include <string_view>
#include <variant>

namespace drawmap {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct TextEntity {
    std::string_view text;
    double x1 = 0.0, y1 = 0.0; // insertion point
    double x2 = 0.0, y2 = 0.0; // alignment point
    double height = 0.0;
    double rotation = 0.0;
    int horizontal = 0;
    double oblique = 0.0;
    int vertical = 0;
};

struct TextStyleEntry {
    std::string_view name;
    std::string_view font;
    double height = 0.0;
    double widthFactor = 1.0;
    double oblique = 0.0;
};

// A dimension style's sizes; the defaults are R12's STANDARD.
struct DimStyleValues {
    double textHeight = 0.18;
    double arrowSize = 0.18;
    double extensionOffset = 0.0625;
    double extensionBeyond = 0.18;
    double textGap = 0.09;
};

struct LinearDimension {
    double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;
    double lineX = 0.0, lineY = 0.0;
    double angle = 0.0;
    std::string_view text; // empty: the measurement
};

struct BlockInsert {
    std::string_view name;
    Vec3 at;
    Vec3 scale{1.0, 1.0, 1.0};
    double rotation = 0.0;
};

inline constexpr int kColorByBlock = 0;
inline constexpr int kColorByLayer = 256;
inline constexpr int kMaxColor = 255;

using ParamValue = std::variant<std::string_view, int, double>;

class Drawing {
    struct Key {
        explicit Key() = default;
    };

public:
    Drawing(Key, std::filesystem::path path) : path_(std::move(path)) {}

    // nullptr when no file can be created at path.
    static std::unique_ptr<Drawing> Create(std::string_view path);

    bool BeginSection(int code);
    bool EndSection();
    bool BeginTable(int type);
    bool EndTable();
    bool WriteParam(std::string_view name, int code, const ParamValue& value);

    bool AddLayer(std::string_view name, int color, std::string_view linetype);
    bool AddLinetype(std::string_view name, std::string_view description, std::span<const double> elements);
    bool AddTextStyle(const TextStyleEntry& style);
    bool AddDimStyle(std::string_view name, const DimStyleValues& values);

    bool SetCurrentLayer(std::string_view name, bool requireDeclared);
    bool SetCurrentColor(int color);
    bool SetCurrentLinetype(std::string_view name);
    bool SetCurrentTextStyle(std::string_view name);
    bool SetCurrentDimStyle(std::string_view name);

    bool Point(Vec3 p, double angle);
    bool Text(const TextEntity& text);
    bool Line(Vec3 a, Vec3 b);
    bool Circle(Vec3 centre, double radius);
    bool Arc(Vec3 centre, double radius, double startAngle, double endAngle);
    bool Solid(const std::array<double, 8>& corners, double z);
    bool DimLinear(const LinearDimension& dim);
    bool InsertBlock(const BlockInsert& insert);
    bool BlockBegin(std::string_view name, Vec3 base);
    bool BlockEnd();

    // Writes the file; false (and nothing written) while a section, table or
    // block is open, or when the file cannot be written.
    bool Close();

    // Once the entities section has begun and the text is large, writes it
    // to the new file that will replace the target, so that a drawing of
    // millions of entities is never held whole; called after every call on
    // the drawing.
    void WriteOutWhenLarge();

private:
    // Entities go into the entities section or a block being defined.
    bool EntityAllowed() const;
    void Head(std::string& out, std::string_view kind) const;
    bool LinetypeDeclared(const std::string& name) const;
    void WriteTable(int type, std::string_view body, int entries);
    void WriteContinuous(std::string& out) const;
    bool TableOpen(int type) const { return openTable_ == type; }
    void AddEntry(std::string_view entry);
    const DimStyleValues& CurrentDimStyle() const;
    void WriteDimBlock(const std::string& name, std::string_view entities);
    void PlaceDimBlocks();

    std::filesystem::path path_;
    // The file's text not yet written out.
    std::string out_;
    // Once text is written out: the new file, and the text before the
    // entities section as written there, which is where the blocks of
    // dimensions drawn later must go.
    std::unique_ptr<harwick::platform::AtomicFile> written_;
    std::string head_;

    std::optional<int> openSection_;
    int lastSection_ = 0;
    std::optional<int> openTable_;
    int lastTableRank_ = 0;
    bool linetypeTableWritten_ = false;
    std::string tableBody_;
    int tableEntries_ = 0;
    std::set<std::string> variables_;
    std::string lastVariable_;
    std::set<int> lastVariableCodes_;
    std::optional<int> pendingY_;

    std::set<std::string> layers_;
    std::set<std::string> linetypes_;
    std::set<std::string> textStyles_;
    std::map<std::string, DimStyleValues> dimStyles_;
    std::set<std::string> blocks_;
    std::optional<std::string> openBlock_;

    std::string layer_{word::kLayerZero};
    int color_ = kColorByLayer;
    std::string linetype_{word::kByLayer};
    std::string textStyle_{word::kStandard};
    std::string dimStyle_{word::kStandard};

    // Anonymous blocks of dimensions drawn while the blocks section was not
    // open, and where they go when the drawing is closed.
    std::string dimBlocks_;
    int dimCount_ = 0;
    std::optional<std::size_t> blocksEndAt_;
    std::optional<std::size_t> entitiesAt_;
};

} // namespace drawmap
