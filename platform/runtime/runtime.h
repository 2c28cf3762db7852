// The suite's per-user folders — settings and runtime — and the named locks
// kept in the runtime folder. A
// named lock stands for a system-wide named mutex: the first process that
// takes a name holds it until it ends (the kernel lets go of it even when
// the process crashes), and every other process finds it taken.
#pragma once

#include "fd/unique_fd.h"

#include <string>
#include <string_view>

namespace harwick::platform {

// $XDG_RUNTIME_DIR/harwick, or /tmp/harwick-<uid> when that variable is
// unset, empty or not an absolute path; whether or not it exists.
std::string SuiteRuntimeDirectory();

// SuiteRuntimeDirectory() made when missing (mode 0700) and opened, but only
// when it is safe from other users: a real folder, not a symbolic link, that
// belongs to the current user. A looser or tighter mode on the user's own
// folder is set back to 0700. An invalid descriptor otherwise, with the
// reason in reason.
UniqueFd OpenSuiteRuntimeDirectory(std::string& reason);

// $XDG_CONFIG_HOME/harwick, or ~/.config/harwick when that variable is
// unset, empty or not an absolute path; whether or not it exists.
std::string SuiteConfigDirectory();
// The suite's folder under home/.config, as SuiteConfigDirectory() makes it
// for a user whose environment sets no XDG_CONFIG_HOME.
std::string DefaultSuiteConfigDirectory(const std::string& home);

class NamedLock {
public:
    enum class State {
        Held,       // this process holds the name now
        Taken,      // another process holds it
        Unavailable // no lock file could be made; nothing is held
    };

    // Takes the lock file <SuiteRuntimeDirectory()>/<name>.lock, making the
    // folder when missing. Unavailable when the folder is not safe to use
    // (see OpenSuiteRuntimeDirectory) or the lock file is a symbolic link or
    // no regular file.
    static NamedLock Acquire(std::string_view name);

    State state() const { return state_; }
    // Why the lock is Unavailable; empty otherwise.
    const std::string& reason() const { return reason_; }

private:
    NamedLock(State state, UniqueFd fd, std::string reason = {})
        : state_(state), fd_(std::move(fd)), reason_(std::move(reason)) {}

    State state_;
    UniqueFd fd_;
    std::string reason_;
};

} // namespace harwick::platform
