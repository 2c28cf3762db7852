#include "json_out.h"

#include "text/text.h"

#include <charconv>

namespace harwick::cli {

void JsonOut::beforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (empty_.empty()) return;
    if (!empty_.back()) out_ += ',';
    empty_.back() = false;
    out_ += '\n';
    out_.append(empty_.size() * 2, ' ');
}

void JsonOut::open(char bracket)
{
    beforeValue();
    out_ += bracket;
    empty_.push_back(true);
}

void JsonOut::close(char bracket)
{
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty) {
        out_ += '\n';
        out_.append(empty_.size() * 2, ' ');
    }
    out_ += bracket;
}

JsonOut& JsonOut::beginObject() { return open('{'), *this; }
JsonOut& JsonOut::endObject() { return close('}'), *this; }
JsonOut& JsonOut::beginArray() { return open('['), *this; }
JsonOut& JsonOut::endArray() { return close(']'), *this; }

JsonOut& JsonOut::key(std::string_view name)
{
    string(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonOut& JsonOut::string(std::string_view value)
{
    beforeValue();
    out_ += '"';
    if (text::isUtf8(value)) {
        text::appendJsonEscaped(out_, value);
    } else {
        std::string utf8;
        for (const char c : value) text::appendUtf8(utf8, static_cast<unsigned char>(c));
        text::appendJsonEscaped(out_, utf8);
    }
    out_ += '"';
    return *this;
}

JsonOut& JsonOut::number(std::int64_t value)
{
    beforeValue();
    out_ += std::to_string(value);
    return *this;
}

JsonOut& JsonOut::decimal(std::string_view value)
{
    beforeValue();
    out_ += value;
    return *this;
}

JsonOut& JsonOut::boolean(bool value)
{
    beforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

JsonOut& JsonOut::null()
{
    beforeValue();
    out_ += "null";
    return *this;
}

JsonOut& JsonOut::digits(std::string_view value)
{
    std::int64_t n = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
    const bool whole = !value.empty() && value.front() != '-' && error == std::errc() && end == value.data() + value.size();
    return whole ? number(n) : null();
}

} // namespace harwick::cli
