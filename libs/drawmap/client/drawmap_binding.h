// The DXF library as the programs use it: libdrawmap.so loaded at run time,
// all 28 entry points bound by name, and the one drawing it writes.
// Releasing the binding closes a drawing still open, then frees the library.
#pragma once

#include "drawmap.h"

#include <filesystem>
#include <memory>
#include <string>

namespace drawmap {

// One pointer per entry point, named as the library names it.
struct DrawmapApi {
#define DRAWMAP_API_POINTER(name) decltype(&::name) name = nullptr;
    DRAWMAP_ENTRY_POINTS(DRAWMAP_API_POINTER)
#undef DRAWMAP_API_POINTER
};

// Where the library is looked for: the program's own directory first, then
// (unless switched off) the system's library path.
struct LibrarySearch {
    std::filesystem::path programDir;
    bool systemPath = true;
};

class DrawmapBinding {
public:
    explicit DrawmapBinding(const LibrarySearch& search);
    DrawmapBinding(const DrawmapBinding&) = delete;
    DrawmapBinding& operator=(const DrawmapBinding&) = delete;
    ~DrawmapBinding();

    // The library was found and has all 28 entry points.
    bool Loaded() const { return loaded_; }
    const DrawmapApi& Api() const { return api_; }

    // dxfCreateFile; false when not loaded or the library refuses.
    bool CreateFile(const std::string& path);
    int Drawing() const { return drawing_; }
    bool FileOpen() const { return fileOpen_; }
    // dxfCloseFile; success clears the file-open flag.
    bool CloseFile();

    // Makes a call on the open drawing: false when the library is not loaded
    // or refuses the call.
    template <typename Fn, typename... Args>
    bool Call(Fn DrawmapApi::*entry, Args... args)
    {
        return loaded_ && (api_.*entry)(drawing_, args...) != 0;
    }

private:
    struct Closer {
        void operator()(void* library) const;
    };

    std::unique_ptr<void, Closer> library_;
    DrawmapApi api_;
    bool loaded_ = false;
    int drawing_ = 0;
    bool fileOpen_ = false;
};

} // namespace drawmap
