/* drawmap: writes AutoCAD R12 ASCII DXF drawings through 28 C entry points.
 * The drawing converter loads libdrawmap.so at run time and binds the entry
 * points by name; any other program may do the same.
 *
 * Results. Every entry point returns nonzero (1) for success and 0 for a bad
 * call; a bad call changes nothing in the drawing. Bad calls include: an
 * unknown or already closed drawing, a null or invalid text or name, a value
 * that is not a finite number, an entity outside an entities section or a
 * block, a section begun inside another or out of order, a section or table
 * or block ended when none is open, an entry added to a table of another
 * kind or twice. Nothing ever aborts the calling program.
 *
 * Drawings. dxfCreateFile returns a handle, a positive int, for a new
 * drawing; handles are never reused within a process. Calls on different
 * drawings may run on different threads at the same time; calls on one
 * drawing from several threads are serialised.
 *
 * The file is written whole. The drawing is built in memory; dxfCloseFile
 * writes it to a new file beside the target and renames that over the
 * target, so the target holds either its old bytes or the complete drawing.
 * A drawing that is never closed, or whose close fails (a section, table or
 * block still open, a write error), leaves the target untouched.
 *
 * Section codes (one bit each, in the order the file holds them):
 *   DXF_SECTION_HEADER 1, DXF_SECTION_TABLES 4, DXF_SECTION_BLOCKS 8,
 *   DXF_SECTION_ENTITIES 16. Each section at most once, in that order; any
 *   may be left out. The header section always carries $ACADVER AC1009.
 *
 * Table types (the group code by which entities name an entry of the table):
 *   DXF_TABLE_LTYPE 6, DXF_TABLE_LAYER 8, DXF_TABLE_STYLE 7,
 *   DXF_TABLE_DIMSTYLE 3. Tables only in the tables section, each at most
 *   once, in the order LTYPE, LAYER, STYLE, DIMSTYLE. The LTYPE table always
 *   holds CONTINUOUS: when a tables section begins any other table before an
 *   LTYPE table, an LTYPE table holding CONTINUOUS alone is written first.
 *
 * Names (tables, blocks, header variables after their "$") follow R12's
 * rules: 1 to 31 letters, digits, "$", "-" or "_"; they are stored in upper
 * case, so "Continuous" names the line type CONTINUOUS. Texts are at most 255
 * bytes of 8-bit characters without control characters. Angles are degrees.
 *
 * Names that always exist without being declared: the layer "0", the line
 * types CONTINUOUS, BYLAYER and BYBLOCK, the text style and dimension style
 * STANDARD.
 */
#ifndef DRAWMAP_H
#define DRAWMAP_H

#define DRAWMAP_API __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

enum {
    DXF_SECTION_HEADER = 1,
    DXF_SECTION_TABLES = 4,
    DXF_SECTION_BLOCKS = 8,
    DXF_SECTION_ENTITIES = 16
};

enum { DXF_TABLE_DIMSTYLE = 3, DXF_TABLE_LTYPE = 6, DXF_TABLE_STYLE = 7, DXF_TABLE_LAYER = 8 };

/* Colours for dxfSetCurrentColor besides 1-255. */
enum { DXF_COLOR_BYBLOCK = 0, DXF_COLOR_BYLAYER = 256 };

/* ---- Drawing ------------------------------------------------------------ */

/* A new drawing for path, or 0 when path is null or empty, names a
 * directory, or lies in a directory where no file can be created. */
DRAWMAP_API int dxfCreateFile(const char* path);
/* Ends the drawing and writes the file; nonzero when the file is complete.
 * The handle is gone afterwards, whatever the result. */
DRAWMAP_API int dxfCloseFile(int drawing);

/* ---- Sections and tables ----------------------------------------------- */

DRAWMAP_API int dxfSectionBegin(int drawing, int section);
/* Closes the open section; no table or block may be open in it. */
DRAWMAP_API int dxfSectionEnd(int drawing);
DRAWMAP_API int dxfTableTypeBegin(int drawing, int tableType);
DRAWMAP_API int dxfTableTypeEnd(int drawing);

/* ---- Header variables (header section only) ----------------------------- */

/* Writes a header variable's value under group code groupCode: strings 1-9,
 * integers 60-79 and 170-179, reals 10-59 and 140-149. Consecutive calls with
 * the same name add groups to one variable (10, 20, 30 of a point); a name
 * used earlier for another variable is refused. */
DRAWMAP_API int dxfWriteParamString(int drawing, const char* name, int groupCode, const char* value);
DRAWMAP_API int dxfWriteParamInteger(int drawing, const char* name, int groupCode, int value);
DRAWMAP_API int dxfWriteParamDouble(int drawing, const char* name, int groupCode, double value);

/* ---- Table entries (each in its own table) ------------------------------ */

/* LAYER table: colour 1-255, negative (-1 to -255) for a layer switched off;
 * lineType must be CONTINUOUS or declared in this drawing's LTYPE table. */
DRAWMAP_API int dxfAddLayer(int drawing, const char* name, int color, const char* lineType);
/* LTYPE table: description (may be empty) and up to 12 pattern elements in
 * drawing units: positive a dash, negative a gap, 0 a dot. elements may be
 * null when elementCount is 0. */
DRAWMAP_API int dxfAddLinetype(int drawing, const char* name, const char* description, int elementCount,
                               const double* elements);
/* STYLE table: font file (e.g. "txt"), fixed height (0 for variable), width
 * factor (above 0) and oblique angle. */
DRAWMAP_API int dxfAddTextStyle(int drawing, const char* name, const char* fontFile, double height,
                                double widthFactor, double obliqueAngle);
/* DIMSTYLE table: text height, arrow size, extension line offset from the
 * measured points, extension beyond the dimension line, gap between the
 * dimension line and its text; none negative, the text height above 0. */
DRAWMAP_API int dxfAddDimStyle(int drawing, const char* name, double textHeight, double arrowSize,
                               double extensionOffset, double extensionBeyond, double textGap);

/* ---- What later entities take ------------------------------------------- */

/* Later entities go to layer name. requireDeclared nonzero: only a layer of
 * this drawing's LAYER table (or "0") is taken; 0: any valid name (CAD
 * programs create a layer that an entity names and the table lacks). */
DRAWMAP_API int dxfSetCurrentLayer(int drawing, const char* name, int requireDeclared);
/* 1-255, DXF_COLOR_BYBLOCK or DXF_COLOR_BYLAYER (the start). */
DRAWMAP_API int dxfSetCurrentColor(int drawing, int color);
/* BYLAYER (the start), BYBLOCK, CONTINUOUS or a declared line type. */
DRAWMAP_API int dxfSetCurrentLinetype(int drawing, const char* name);
/* For TEXT: STANDARD (the start) or a declared text style. */
DRAWMAP_API int dxfSetCurrentTextStyle(int drawing, const char* name);
/* For DIMENSION: STANDARD (the start) or a declared dimension style. */
DRAWMAP_API int dxfSetCurrentDimStyle(int drawing, const char* name);

/* ---- Entities (entities section, or between dxfBlockBegin and End) ------ */

/* angle: the X axis angle the point is shown with (group 50). */
DRAWMAP_API int dxfPoint(int drawing, double x, double y, double z, double angle);
/* TEXT at the insertion point (x1, y1) with height above 0 and rotation.
 * horizontalJustification 0 left, 1 centre, 2 right, 3 aligned, 4 middle,
 * 5 fit; verticalJustification 0 baseline, 1 bottom, 2 middle, 3 top. Any
 * justification other than left on the baseline places the text by the
 * alignment point (x2, y2). obliqueAngle slants the letters. */
DRAWMAP_API int dxfText(int drawing, const char* text, double x1, double y1, double x2, double y2, double height,
                        double rotation, int horizontalJustification, double obliqueAngle,
                        int verticalJustification);
DRAWMAP_API int dxfLine(int drawing, double x1, double y1, double z1, double x2, double y2, double z2);
/* radius above 0. */
DRAWMAP_API int dxfCircle(int drawing, double cx, double cy, double cz, double radius);
/* Counter-clockwise from startAngle to endAngle; radius above 0. */
DRAWMAP_API int dxfArc(int drawing, double cx, double cy, double cz, double radius, double startAngle,
                       double endAngle);
/* A filled outline at elevation z; corners in DXF's order: the outline runs
 * 1, 2, 4, 3. A triangle gives corners 3 and 4 the same point. */
DRAWMAP_API int dxfSolid(int drawing, double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                         double y4, double z);
/* A linear dimension between the points (x1, y1) and (x2, y2), measured
 * along angle (0 horizontal, 90 vertical), its dimension line through
 * (lineX, lineY). text null or empty: the measured length with 4 decimals.
 * The dimension's lines, arrows and text are drawn with the current
 * dimension style into an anonymous block (*D1, *D2, ...) of the blocks
 * section, made when the drawing has none. */
DRAWMAP_API int dxfDimLinear(int drawing, double x1, double y1, double x2, double y2, double lineX, double lineY,
                             double angle, const char* text);
/* An INSERT of a block already defined in this drawing; scales not 0. */
DRAWMAP_API int dxfInsertBlock(int drawing, const char* name, double x, double y, double z, double xScale,
                               double yScale, double zScale, double rotation);

/* ---- Blocks (blocks section) -------------------------------------------- */

/* Starts the definition of a new block with base point (x, y, z); names
 * starting with "*" are the library's own. Blocks do not nest. */
DRAWMAP_API int dxfBlockBegin(int drawing, const char* name, double x, double y, double z);
DRAWMAP_API int dxfBlockEnd(int drawing);

#ifdef __cplusplus
} /* extern "C" */
#endif

/* All 28 entry points, for binding by name: X(name) once each. */
#define DRAWMAP_ENTRY_POINTS(X)                                                                              \
    X(dxfCreateFile) X(dxfCloseFile) X(dxfSectionBegin) X(dxfSectionEnd) X(dxfTableTypeBegin)                  \
    X(dxfTableTypeEnd) X(dxfAddLayer) X(dxfSetCurrentLayer) X(dxfPoint) X(dxfText) X(dxfWriteParamString)      \
    X(dxfWriteParamInteger) X(dxfWriteParamDouble) X(dxfSetCurrentColor) X(dxfAddLinetype)                     \
    X(dxfSetCurrentLinetype) X(dxfAddTextStyle) X(dxfSetCurrentTextStyle) X(dxfAddDimStyle)                    \
    X(dxfSetCurrentDimStyle) X(dxfLine) X(dxfCircle) X(dxfSolid) X(dxfDimLinear) X(dxfArc) X(dxfInsertBlock)    \
    X(dxfBlockBegin) X(dxfBlockEnd)

#ifdef __cplusplus
namespace drawmap {
/* The library's file name, for dlopen. */
inline constexpr char kLibraryFileName[] = "libdrawmap.so";
inline constexpr int kEntryPointCount = 28;
} // namespace drawmap
#endif

#endif /* DRAWMAP_H */
