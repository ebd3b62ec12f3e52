#include "LibraryLoader.h"

#include <dlfcn.h>

namespace libloader {

HMODULE LoadLibrary(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }

void* GetProcAddress(HMODULE module, const char* name) {
  return module ? dlsym(module, name) : nullptr;
}

}  // namespace libloader
