// One JSON document for scripts, written as it is built: objects and arrays
// indented two blanks a level, strings always valid UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harwick::cli {

class JsonOut {
public:
    JsonOut& beginObject();
    JsonOut& endObject();
    JsonOut& beginArray();
    JsonOut& endArray();
    // The name of the next member of the open object.
    JsonOut& key(std::string_view name);
    // Text from an instrument or a device may be in a single-byte code page:
    // what is not UTF-8 is taken as Latin-1, so the document stays valid.
    JsonOut& string(std::string_view value);
    JsonOut& number(std::int64_t value);
    // A decimal already in JSON's number form, such as "-0.0012".
    JsonOut& decimal(std::string_view value);
    JsonOut& boolean(bool value);
    JsonOut& null();
    // A count or number the instrument sent as text: a number when it is
    // all digits, else null.
    JsonOut& digits(std::string_view value);

    // The document and a line end.
    std::string text() const { return out_ + "\n"; }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);

    std::string out_;
    std::vector<bool> empty_; // per open object or array: nothing in it yet
    bool afterKey_ = false;
};

} // namespace harwick::cli
