#pragma once
#include <string>

// Run-time loading of a shared library and lookup of its entry points.
namespace libloader {

using HMODULE = void*;

// nullptr when the library cannot be loaded.
HMODULE LoadLibrary(const std::string& path);
void* GetProcAddress(HMODULE module, const char* name);

}  // namespace libloader
