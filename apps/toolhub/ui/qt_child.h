// Widgets and layouts handed to a Qt parent: the parent deletes them with
// itself, so ownership passes to it the moment they are made.
#pragma once

#include <memory>
#include <utility>

namespace toolhub {

template <typename T, typename... Args>
T* Child(Args&&... args)
{
    return std::make_unique<T>(std::forward<Args>(args)...).release();
}

} // namespace toolhub
