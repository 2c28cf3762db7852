#include "usb_binding.h"

#include <dlfcn.h>

namespace cablemate {

void UsbLibrary::Closer::operator()(void* handle) const {
    if (handle != nullptr) dlclose(handle);
}

UsbLibrary UsbLibrary::Load(const std::filesystem::path& programDir) {
    UsbLibrary library;
    const std::string name(usbpipe::kLibraryFileName);
    void* handle = nullptr;
    if (!programDir.empty()) handle = dlopen((programDir / name).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        library.error_ = reason != nullptr ? reason : name;
        return library;
    }
    library.handle_.reset(handle);
    library.pipe_.read = reinterpret_cast<UsbReadFn>(dlsym(handle, usbpipe::kReadDataSymbol));
    library.pipe_.write = reinterpret_cast<UsbWriteFn>(dlsym(handle, usbpipe::kWriteDataSymbol));
    if (library.pipe_.read == nullptr) {
        library.missingEntry_ = kReadDataEntry;
    } else if (library.pipe_.write == nullptr) {
        library.missingEntry_ = kWriteDataEntry;
    }
    library.status_ = library.missingEntry_.empty() ? Status::Loaded : Status::MissingEntry;
    return library;
}

} // namespace cablemate
