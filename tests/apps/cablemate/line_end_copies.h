// One text as other systems leave it: LF alone (Linux), CR alone (older
// instruments), and without its last line end, with CR LF and with LF.
#pragma once

#include "text/text.h"

#include <string>
#include <vector>

namespace cablemate::testing {

// crlf ends every line with CR LF, the last one too.
inline std::vector<std::string> LineEndCopies(const std::string& crlf) {
    std::string lf = crlf, cr = crlf;
    harwick::text::replaceAll(lf, "\r\n", "\n");
    harwick::text::replaceAll(cr, "\r\n", "\r");
    return {lf, cr, crlf.substr(0, crlf.size() - 2), lf.substr(0, lf.size() - 1)};
}

// The text with its control bytes spelled out, for a failure message.
inline std::string Printable(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\x" + std::to_string(static_cast<int>(c));
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace cablemate::testing
