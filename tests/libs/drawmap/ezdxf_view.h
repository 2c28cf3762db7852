// A drawing as an independent reader sees it: /usr/bin/python3 with ezdxf
// opens the file, audits it and prints one line per layer, table entry,
// block and entity. Numbers are printed as Python's repr, the shortest text
// that reads back as the same double, so tests compare exact values.
// A missing ezdxf makes the read fail, and with it the test.
#pragma once

#include "scratch.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace drawmap::testing {

inline constexpr std::string_view kEzdxfScript = R"PY(
import sys
import ezdxf
def num(v):
    return repr(float(v))
def xyz(v):
    return " ".join(num(c) for c in v)
doc = ezdxf.readfile(sys.argv[1])
print("version", doc.dxfversion)
auditor = doc.audit()
print("audit", len(auditor.errors), len(auditor.fixes))
for name in sys.argv[2:]:
    print("header", name, repr(doc.header[name]))
for l in doc.layers:
    print("layer", l.dxf.name, l.dxf.color, l.dxf.linetype)
for t in doc.linetypes:
    pattern = " ".join(repr(tag.value) for tag in t.pattern_tags.tags if tag.code in (40, 49))
    print("ltype", t.dxf.name, pattern, "|" + t.dxf.description)
for s in doc.styles:
    print("style", s.dxf.name, s.dxf.font, num(s.dxf.height), num(s.dxf.width))
for d in doc.dimstyles:
    print("dimstyle", d.dxf.name, *(repr(d.dxf.get(k)) for k in ("dimtxt", "dimasz", "dimexo", "dimexe", "dimgap")))
for b in doc.blocks:
    if b.name.lower() not in ("*model_space", "*paper_space"):
        print("block", b.name, *(e.dxftype() for e in b))
for e in doc.modelspace():
    kind, layer = e.dxftype(), e.dxf.layer
    if kind == "POINT":
        print("point", layer, xyz(e.dxf.location))
    elif kind == "TEXT":
        print("text", layer, num(e.dxf.insert.x), num(e.dxf.insert.y), num(e.dxf.height), num(e.dxf.rotation),
              e.dxf.style.upper(), e.dxf.get("color", 256), "|" + e.dxf.text)
    elif kind == "LINE":
        print("line", layer, xyz(e.dxf.start), xyz(e.dxf.end), e.dxf.get("linetype", "BYLAYER"))
    elif kind == "CIRCLE":
        print("circle", layer, xyz(e.dxf.center), num(e.dxf.radius), e.dxf.get("color", 256))
    elif kind == "ARC":
        print("arc", layer, xyz(e.dxf.center), num(e.dxf.radius), num(e.dxf.start_angle), num(e.dxf.end_angle))
    elif kind == "SOLID":
        print("solid", layer, *(xyz(e.dxf.get(v)) for v in ("vtx0", "vtx1", "vtx2", "vtx3")))
    elif kind == "INSERT":
        print("insert", layer, e.dxf.name, xyz(e.dxf.insert), num(e.dxf.xscale), num(e.dxf.yscale),
              num(e.dxf.rotation))
    elif kind == "DIMENSION":
        print("dimension", layer, e.dxf.geometry, e.dxf.dimstyle, num(e.get_measurement()),
              "|" + e.dxf.get("text", ""))
    else:
        print("other", kind, layer)
)PY";

struct EzdxfView {
    int status = -1;
    std::string printed;

    // Whether the reader printed exactly this line.
    bool Has(std::string_view line) const
    {
        for (const std::string& l : Lines("")) {
            if (l == line) return true;
        }
        return false;
    }

    // The printed lines that start with prefix.
    std::vector<std::string> Lines(std::string_view prefix) const
    {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < printed.size()) {
            std::size_t end = printed.find('\n', start);
            if (end == std::string::npos) end = printed.size();
            std::string line = printed.substr(start, end - start);
            if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(std::move(line));
            start = end + 1;
        }
        return lines;
    }
};

// Reads drawing with ezdxf; headerNames are header variables to print.
inline EzdxfView ReadWithEzdxf(const std::filesystem::path& drawing, const std::vector<std::string>& headerNames = {})
{
    harwick::testing::TempDir dir("ezdxf-view");
    const auto script = dir.path() / "read.py";
    const auto output = dir.path() / "out.txt";
    harwick::testing::WriteFile(script, kEzdxfScript);
    std::string command = "timeout 120 /usr/bin/python3 '" + script.string() + "' '" + drawing.string() + "'";
    for (const std::string& name : headerNames) command += " '" + name + "'";
    command += " > '" + output.string() + "' 2>&1";
    EzdxfView view;
    view.status = std::system(command.c_str());
    view.printed = harwick::testing::ReadFile(output);
    return view;
}

} // namespace drawmap::testing
