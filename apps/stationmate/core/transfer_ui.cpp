#include "transfer_ui.h"

#include "text/text.h"

#include <cmath>

namespace stationmate {

void Progress::Open(const std::string& fileType, const std::string& source, const std::string& destination)
{
    count_ = 0;
    bytes_ = 0;
    open_ = true;
    view_.Open(fileType, source, destination);
}

void Progress::Step(std::size_t bytes)
{
    count_ += 1;
    bytes_ += bytes;
    view_.Show(harwick::text::formatFixed(count_, 0), std::fmod(count_, 100.0) * 0.01,
               std::fmod(count_, 1000.0) * 0.001);
    view_.Counted(static_cast<std::size_t>(count_), bytes_);
}

void Progress::Close()
{
    if (!open_) return;
    open_ = false;
    view_.Close();
}

} // namespace stationmate
