#include "transfer_state.h"

#include "text/text.h"

#include <thread>

namespace cablemate {

void TransferText::Set(std::string text) {
    std::lock_guard lock(mutex_);
    text_ = std::move(text);
}

void TransferText::Append(std::string_view bytes) {
    std::lock_guard lock(mutex_);
    text_.append(bytes);
}

std::string TransferText::Snapshot() const {
    std::lock_guard lock(mutex_);
    return text_;
}

std::size_t TransferText::Size() const {
    std::lock_guard lock(mutex_);
    return text_.size();
}

std::string WireText(std::string_view editor) {
    while (!editor.empty() && editor.back() == kEndOfData) editor.remove_suffix(1);
    return harwick::text::withCrLfLineEnds(editor);
}

void WaitMilliseconds(long milliseconds) {
    if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace cablemate
