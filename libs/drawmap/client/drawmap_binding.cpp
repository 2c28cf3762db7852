#include "drawmap_binding.h"

#include <dlfcn.h>

namespace drawmap {

namespace {

void* Open(const LibrarySearch& search)
{
    void* library = nullptr;
    if (!search.programDir.empty()) {
        library = ::dlopen((search.programDir / kLibraryFileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (library == nullptr && search.systemPath) library = ::dlopen(kLibraryFileName, RTLD_NOW | RTLD_LOCAL);
    return library;
}

template <typename Fn>
bool Bind(void* library, const char* name, Fn& slot)
{
    slot = reinterpret_cast<Fn>(::dlsym(library, name));
    return slot != nullptr;
}

} // namespace

void DrawmapBinding::Closer::operator()(void* library) const
{
    if (library != nullptr) ::dlclose(library);
}

DrawmapBinding::DrawmapBinding(const LibrarySearch& search) : library_(Open(search))
{
    if (!library_) return;
    bool all = true;
#define DRAWMAP_BIND(name) all = Bind(library_.get(), #name, api_.name) && all;
    DRAWMAP_ENTRY_POINTS(DRAWMAP_BIND)
#undef DRAWMAP_BIND
    loaded_ = all;
}

DrawmapBinding::~DrawmapBinding()
{
    if (fileOpen_) CloseFile();
}

bool DrawmapBinding::CreateFile(const std::string& path)
{
    if (!loaded_) return false;
    drawing_ = api_.dxfCreateFile(path.c_str());
    fileOpen_ = drawing_ != 0;
    return fileOpen_;
}

bool DrawmapBinding::CloseFile()
{
    if (!loaded_) return false;
    const bool closed = api_.dxfCloseFile(drawing_) != 0;
    if (closed) fileOpen_ = false;
    return closed;
}

} // namespace drawmap
