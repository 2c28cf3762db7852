// How the exchange engine talks to the user. The window answers with message
// boxes and dialogs; tests answer with a script. The engine never waits on a
// widget of its own.
#pragma once

#include <string>
#include <string_view>

namespace stationmate {

class Prompter {
public:
    virtual ~Prompter() = default;
    // A modal message with the given text and caption (an empty caption
    // means the program's own title).
    virtual void ShowMessage(std::string_view text, std::string_view caption = {}) = 0;
};

// Shown while a port is being listed; the window puts up its wait window.
class WaitIndicator {
public:
    virtual ~WaitIndicator() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

} // namespace stationmate
