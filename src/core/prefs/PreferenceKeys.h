#pragma once

#include "core/layout/WindowLayout.h"
#include "core/prefs/PreferenceStore.h"

#include <limits>

// Every stored preference: its name, type, default and accepted range, defined once.
namespace pref
{

struct TextKey {
    const char* name;
    const char* fallback;
};

struct FlagKey { // stored as a 32-bit integer, 0 or 1; any non-zero value reads as true
    const char* name;
    bool fallback;
};

struct IntKey { // a value outside min..max is damage and reads as the default
    const char* name;
    int fallback;
    int min;
    int max;
};

struct ReadOnlyIntKey { // read by the program, never written
    const char* name;
    int fallback;
};

inline constexpr int anyMin = std::numeric_limits<int>::min();
inline constexpr int anyMax = std::numeric_limits<int>::max();

// A single space means "not set".
inline constexpr TextKey cURL{"cURL", " "};
inline constexpr FlagKey cFullscrn{"cFullscrn", true};
inline constexpr FlagKey cPipetteHint{"cHinweisPipette", true};
inline constexpr IntKey appTop{"appTop", 0, anyMin, anyMax};
inline constexpr IntKey appLeft{"appLeft", 0, anyMin, anyMax};
inline constexpr IntKey appHeight{"appHeight", defaultWindowHeight, 1, anyMax};
inline constexpr IntKey appWidth{"appWidth", defaultWindowWidth, 1, anyMax};
inline constexpr IntKey cbBgBrightness{"cbBgBrightness", 0, 0, 3};
// 11 selects English, any other value German. Missing, the session's language decides
// (see languageVersionForSession).
inline constexpr ReadOnlyIntKey TNVersion{"TNVersion", 11};
inline constexpr int languageVersionEnglish = 11;
inline constexpr int languageVersionGerman = 7;
// The language the user chose in the settings dialog; the program's own key, so "TNVersion"
// stays the installer's. "As the desktop" leaves the choice to "TNVersion" and the locale.
enum class LanguageChoice : int { desktop = 0, german = 1, english = 2 };
inline constexpr IntKey cLanguage{"cLanguage", static_cast<int>(LanguageChoice::desktop), 0, 2};
// The print profile: the path of a CMYK output profile, empty for none (the naive
// formula), and its rendering intent as PrintIntent numbers it (0 relative
// colorimetric with black-point compensation, 1 perceptual).
inline constexpr TextKey cPrintProfile{"cPrintProfile", ""};
inline constexpr IntKey cPrintIntent{"cPrintIntent", 0, 0, 1};

QString read(const PreferenceStore& store, const TextKey& key);
bool read(const PreferenceStore& store, const FlagKey& key);
int read(const PreferenceStore& store, const IntKey& key);
int read(const PreferenceStore& store, const ReadOnlyIntKey& key);
// Empty when the value is missing or of another type.
std::optional<int> readStored(const PreferenceStore& store, const ReadOnlyIntKey& key);

// Between PreferenceStore::beginWrite() and endWrite(); false when the value was not written.
bool write(PreferenceStore& store, const TextKey& key, const QString& value);
bool write(PreferenceStore& store, const FlagKey& key, bool value);
bool write(PreferenceStore& store, const IntKey& key, int value);

} // namespace pref
