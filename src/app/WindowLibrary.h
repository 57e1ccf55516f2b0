#pragma once

// The entry points of the library libtinctora_window, which tinctora loads
// from its own folder or from ../lib/tinctora.
using FensterStart = int (*)(int argc, char** argv, long long startMs);
using KommandozeileMitBild = int (*)(int argc, char** argv);

inline constexpr const char* fensterStartName = "tinctoraFensterStarten";
inline constexpr const char* kommandozeileMitBildName = "tinctoraKommandozeileMitBild";

// The entry point of that name; nullptr (and a line on standard error) when
// the library or the entry cannot be found.
void* fensterEinstieg(const char* name, int argc, char** argv);
