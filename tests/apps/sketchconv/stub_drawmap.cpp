// A stand-in libdrawmap.so that accepts every call and writes nothing, built
// twice: with all 28 entry points, and without dxfBlockEnd. The converter
// must take the first as loaded and the second as not loaded.
#include "drawmap.h"

extern "C" {

int dxfCreateFile(const char*) { return 1; }
int dxfCloseFile(int) { return 1; }
int dxfSectionBegin(int, int) { return 1; }
int dxfSectionEnd(int) { return 1; }
int dxfTableTypeBegin(int, int) { return 1; }
int dxfTableTypeEnd(int) { return 1; }
int dxfWriteParamString(int, const char*, int, const char*) { return 1; }
int dxfWriteParamInteger(int, const char*, int, int) { return 1; }
int dxfWriteParamDouble(int, const char*, int, double) { return 1; }
int dxfAddLayer(int, const char*, int, const char*) { return 1; }
int dxfAddLinetype(int, const char*, const char*, int, const double*) { return 1; }
int dxfAddTextStyle(int, const char*, const char*, double, double, double) { return 1; }
int dxfAddDimStyle(int, const char*, double, double, double, double, double) { return 1; }
int dxfSetCurrentLayer(int, const char*, int) { return 1; }
int dxfSetCurrentColor(int, int) { return 1; }
int dxfSetCurrentLinetype(int, const char*) { return 1; }
int dxfSetCurrentTextStyle(int, const char*) { return 1; }
int dxfSetCurrentDimStyle(int, const char*) { return 1; }
int dxfPoint(int, double, double, double, double) { return 1; }
int dxfText(int, const char*, double, double, double, double, double, double, int, double, int) { return 1; }
int dxfLine(int, double, double, double, double, double, double) { return 1; }
int dxfCircle(int, double, double, double, double) { return 1; }
int dxfArc(int, double, double, double, double, double, double) { return 1; }
int dxfSolid(int, double, double, double, double, double, double, double, double, double) { return 1; }
int dxfDimLinear(int, double, double, double, double, double, double, double, const char*) { return 1; }
int dxfInsertBlock(int, const char*, double, double, double, double, double, double, double) { return 1; }
int dxfBlockBegin(int, const char*, double, double, double) { return 1; }
#ifndef STUB_WITHOUT_BLOCK_END
int dxfBlockEnd(int) { return 1; }
#endif

} // extern "C"
