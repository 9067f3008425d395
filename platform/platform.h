// The one layer that differs between Windows and Linux: module loading and
// the code-page conversions. On Windows these are the real system calls; on
// Linux they are stand-ins with the same contract (the system code page is
// UTF-8 there).
#pragma once

#include <string>

namespace platform {

using ModuleHandle = void*;

// File name ending of a loadable module on this platform (".dll", ".so").
extern const char kModuleSuffix[];
// Separator between folder and file in a module path.
extern const char kPathSeparator;

// Loads a module by path, or returns the one already loaded. Null on failure.
ModuleHandle LoadModule(const char* path);
// Address of an exported name, or null.
void* FindSymbol(ModuleHandle module, const char* name);
// Releases one reference taken by LoadModule.
void ReleaseModule(ModuleHandle module);
// Path of the module that contains the given address; empty when unknown.
std::string ModulePathOf(const void* address);

// Code pages as the Windows conversion functions know them.
constexpr unsigned kAnsiCodePage = 0;
constexpr unsigned kUtf8CodePage = 65001;

// Mirror of MultiByteToWideChar: converts `length` bytes (-1: up to and
// including the terminator) into at most `capacity` UTF-16 units. With a
// capacity of 0 only the needed size is returned. Returns the units written
// (or needed), 0 on failure.
int MultiByteToWide(unsigned codePage, const char* text, int length, char16_t* out, int capacity);
// Mirror of WideCharToMultiByte, same conventions.
int WideToMultiByte(unsigned codePage, const char16_t* text, int length, char* out, int capacity);

// Mirror of wsprintfW with one integer argument ("%d" and plain text only).
// Returns the units written, without the terminator.
int FormatWideInt(char16_t* out, const char16_t* format, int value);

}  // namespace platform
