#include "media/platform/library_pins.h"

#ifdef TINDLEWICK_SANITIZE

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

void KeepLoadedLibraries()
{
    std::vector<std::string> names;
    dl_iterate_phdr(
        [](dl_phdr_info* library, size_t, void* found) {
            if (library->dlpi_name && library->dlpi_name[0] != '\0')
                static_cast<std::vector<std::string>*>(found)->push_back(library->dlpi_name);
            return 0;
        },
        &names);
    // Opening a loaded library again with RTLD_NODELETE marks it never to be unloaded; the
    // extra reference is never dropped. The walk above holds the loader's lock, so the
    // opening waits until it is over.
    for (const std::string& name : names)
        dlopen(name.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

#else

void KeepLoadedLibraries() {}

#endif
