// Scratch state for tests that touch the file system or the environment:
// each test gets its own, and leaves nothing behind for the next one even
// when an assertion ends it early.
#pragma once

#include <sstream>

#include <cstdio>
#include <fstream>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace harwick::testing {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
public:
    explicit TempDir(std::string_view prefix)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / prefix).string() + "-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
        }
        path_ = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
        if (!ec) return;
        // A test may have taken the write or search right from a directory
        // to see a write fail; give it back so the tree can go.
        permitOwner(path_);
        std::filesystem::remove_all(path_, ec);
    }

    const std::filesystem::path& path() const { return path_; }

private:
    static void permitOwner(const std::filesystem::path& dir)
    {
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_symlink(ec) && it->is_directory(ec)) permitOwner(it->path());
        }
    }

    std::filesystem::path path_;
};

// One environment variable, changed freely within a scope and put back as
// it was (set to its old value, or unset) when the scope ends.
class ScopedEnv {
public:
    explicit ScopedEnv(std::string name) : name_(std::move(name))
    {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv()
    {
        if (old_) {
            ::setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }

    void set(const std::string& value) const { ::setenv(name_.c_str(), value.c_str(), 1); }
    void unset() const { ::unsetenv(name_.c_str()); }

private:
    std::string name_;
    std::optional<std::string> old_;
};

// A file's bytes ("" when it cannot be read), and a file made of bytes.
inline std::string ReadFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFile(const std::filesystem::path& p, std::string_view bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

// What a shell command prints on its standard output (independent readers
// such as GDAL's and Python's are run this way).
inline std::string CommandOutput(const std::string& command)
{
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

} // namespace harwick::testing
