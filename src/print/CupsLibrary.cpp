#include "print/CupsLibrary.h"

#include <dlfcn.h>

#include <optional>

namespace kalder {

namespace {

// The soname, not "libcups.so": the unversioned name exists only where the development
// package is installed, and version 2 is the interface the headers describe.
constexpr const char* kLibrary = "libcups.so.2";

template <typename Function>
bool resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(::dlsym(handle, name));
    return function != nullptr;
}

std::optional<CupsLibrary> load() {
    void* handle = ::dlopen(kLibrary, RTLD_LAZY | RTLD_LOCAL);
    if (!handle) return std::nullopt;
    CupsLibrary lib{};
    const bool complete = resolve(handle, "cupsGetNamedDest", lib.cupsGetNamedDest) &&
                          resolve(handle, "cupsGetOption", lib.cupsGetOption) &&
                          resolve(handle, "cupsFreeDests", lib.cupsFreeDests) &&
                          resolve(handle, "cupsLastError", lib.cupsLastError) &&
                          resolve(handle, "cupsLastErrorString", lib.cupsLastErrorString) &&
                          resolve(handle, "cupsGetPPD", lib.cupsGetPPD) &&
                          resolve(handle, "ppdOpenFile", lib.ppdOpenFile) &&
                          resolve(handle, "ppdFindOption", lib.ppdFindOption) &&
                          resolve(handle, "ppdClose", lib.ppdClose);
    if (!complete) {
        // All or nothing, so that a caller checks one pointer; a half library is no library.
        ::dlclose(handle);
        return std::nullopt;
    }
    return lib;  // the handle is never closed: the pointers live as long as the process
}

}  // namespace

const CupsLibrary* cupsLibrary() noexcept {
    // A function-local static: loaded once, on first use, safely from any thread.
    static const std::optional<CupsLibrary> lib = load();
    return lib ? &*lib : nullptr;
}

}  // namespace kalder
