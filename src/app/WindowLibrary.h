#pragma once

// The entry points of the library libtinctora_window, which tinctora loads
// from its own folder or from ../lib/tinctora.
using StartWindowFunction = int (*)(int argc, char** argv, long long startMs);
using CommandLineWithImage = int (*)(int argc, char** argv);

inline constexpr const char* startWindowName = "tinctoraStartWindow";
inline constexpr const char* commandLineWithImageName = "tinctoraCommandLineWithImage";

// The entry point of that name; nullptr (and a line on standard error) when
// the library or the entry cannot be found.
void* windowEntryPoint(const char* name, int argc, char** argv);
