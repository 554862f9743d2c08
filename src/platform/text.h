#pragma once
// Text of the game: UTF-16 strings (indexed by unit, like the bitmap-font glyph codes and the
// word-order markup) with the handful of helpers the game uses.
#include <climits>
#include <string>
#include <string_view>
#include <vector>

using String = std::u16string;

namespace platform {

// UTF-8 <-> UTF-16. Decoding skips a leading byte-order mark and keeps an invalid byte as the
// Latin-1 unit of the same value, so old Latin-1 files stay readable.
String FromUtf8(std::string_view utf8);
std::string ToUtf8(const String& text);
// One step of decoding: the length (1 to 4) of the UTF-8 character at `at` and its code point,
// or 0 when the bytes there are none (a cut or overlong sequence, a surrogate, past U+10FFFF).
std::size_t Utf8CharacterAt(std::string_view bytes, std::size_t at, char32_t& cp);
// Appends a code point as one or two UTF-16 units.
void AppendUtf16(String& out, char32_t cp);

// Numbers. ToInt/ToFloat read like C atoi/atof in the "C" locale whatever the user's locale is.
String Str(int value);
String Str(long long value);
// Up to 17 significant digits; ".0" is added when there is neither a point nor an exponent.
String Str(double value);
int ToInt(const String& text);
float ToFloat(const String& text);
// Truncated toward zero, held within the int range (a plain cast past it is undefined); NaN
// gives 0.
int TruncToInt(double value);
String FromChar(int code);

// Slicing. Negative indexes count from the end; out-of-range indexes are clamped.
String Slice(const String& text, int from, int to = INT_MAX);
String Left(const String& text, int count);
String Right(const String& text, int count);
String Mid(const String& text, int start, int count = INT_MAX);

// Searching, all exact and case-sensitive. Find gives -1 when absent.
int Find(const String& text, const String& part, int start = 0);
int FindLast(const String& text, const String& part);
bool StartsWith(const String& text, const String& prefix);
bool EndsWith(const String& text, const String& suffix);
bool Contains(const String& text, const String& part);

// Every occurrence, left to right, non-overlapping; the inserted text is not searched again.
String Replace(const String& text, const String& from, const String& to);
// Empty pieces are kept; the empty text gives one empty piece.
std::vector<String> Split(const String& text, const String& separator);
String Join(const std::vector<String>& pieces, const String& separator);
// Removes leading and trailing units of value 32 or below.
String Trim(const String& text);

// Case change per unit, ASCII and the Latin-1 letters (é <-> É, à <-> À, ...).
String ToLower(const String& text);
String ToUpper(const String& text);
char16_t ToLowerUnit(char16_t unit);
char16_t ToUpperUnit(char16_t unit);

// Path helpers: StripExt drops the extension, StripAll the folder too, ExtractDir keeps the
// part before the last separator.
String StripExt(const String& path);
String StripAll(const String& path);
String ExtractDir(const String& path);

} // namespace platform
