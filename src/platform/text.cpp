#include "platform/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace platform {

// ---- UTF-8 ----------------------------------------------------------------------------------

std::size_t Utf8CharacterAt(std::string_view bytes, std::size_t at, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const auto cont = [&](std::size_t k) { return k < bytes.size() && (byte(k) & 0xC0) == 0x80; };
    const unsigned char b = byte(at);
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    if ((b & 0xE0) == 0xC0 && cont(at + 1)) {
        cp = ((b & 0x1Fu) << 6) | (byte(at + 1) & 0x3Fu);
        return cp >= 0x80 ? 2 : 0;
    }
    if ((b & 0xF0) == 0xE0 && cont(at + 1) && cont(at + 2)) {
        cp = ((b & 0x0Fu) << 12) | ((byte(at + 1) & 0x3Fu) << 6) | (byte(at + 2) & 0x3Fu);
        return cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF) ? 3 : 0;
    }
    if ((b & 0xF8) == 0xF0 && cont(at + 1) && cont(at + 2) && cont(at + 3)) {
        cp = ((b & 0x07u) << 18) | ((byte(at + 1) & 0x3Fu) << 12) | ((byte(at + 2) & 0x3Fu) << 6) |
             (byte(at + 3) & 0x3Fu);
        return cp >= 0x10000 && cp <= 0x10FFFF ? 4 : 0;
    }
    return 0;
}

void AppendUtf16(String& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

String FromUtf8(std::string_view in) {
    String out;
    out.reserve(in.size());
    std::size_t i = 0;
    if (in.size() >= 3 && static_cast<unsigned char>(in[0]) == 0xEF &&
        static_cast<unsigned char>(in[1]) == 0xBB && static_cast<unsigned char>(in[2]) == 0xBF)
        i = 3;
    while (i < in.size()) {
        char32_t cp = 0;
        const std::size_t len = Utf8CharacterAt(in, i, cp);
        if (len == 0) {
            // Not UTF-8: keep the byte as the Latin-1 letter it most likely was.
            out.push_back(static_cast<char16_t>(static_cast<unsigned char>(in[i])));
            ++i;
            continue;
        }
        AppendUtf16(out, cp);
        i += len;
    }
    return out;
}

std::string ToUtf8(const String& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

// ---- Numbers --------------------------------------------------------------------------------

namespace {
String FromAscii(const char* text) {
    String out;
    for (; *text; ++text)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    return out;
}

// The low byte of each of the first `limit` units, as the number readers of the game expect.
std::string LowBytes(const String& text, std::size_t limit) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i)
        out.push_back(static_cast<char>(text[i] & 0xFF));
    return out;
}

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
} // namespace

String Str(int value) { return Str(static_cast<long long>(value)); }

String Str(long long value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld", value);
    return FromAscii(buffer);
}

String Str(double value) {
    // to_chars ignores the locale: printf under a French one writes "0,5". Its shortest forms
    // read back as the same value (17 significant digits at most); like "%.17g" the point form
    // is kept unless the exponent is below -4 or reaches 17, so 100 is "100.0", not "1e+02".
    char scientific[64];
    char fixed[400];
    const auto sci = std::to_chars(scientific, scientific + sizeof scientific - 1, value,
                                   std::chars_format::scientific);
    *sci.ptr = '\0';
    const char* e = std::strchr(scientific, 'e');
    const int exponent = e != nullptr ? std::atoi(e + 1) : 0;
    const char* chosen = scientific;
    if (e != nullptr && exponent >= -4 && exponent < 17) {
        const auto fix =
            std::to_chars(fixed, fixed + sizeof fixed - 1, value, std::chars_format::fixed);
        *fix.ptr = '\0';
        chosen = fixed;
    }
    String out = FromAscii(chosen);
    const bool special = std::strpbrk(chosen, "ni") != nullptr; // inf, nan
    if (!special && out.find_first_of(u".eE") == String::npos)
        out += u".0";
    return out;
}

int ToInt(const String& text) {
    // atoi without its undefined overflow: digits saturate at the int range.
    const std::string bytes = LowBytes(text, 63);
    std::size_t i = 0;
    while (i < bytes.size() && IsSpace(bytes[i]))
        ++i;
    bool negative = false;
    if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-'))
        negative = bytes[i++] == '-';
    long long value = 0;
    for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9'; ++i) {
        value = value * 10 + (bytes[i] - '0');
        if (value > 2147483648LL)
            value = 2147483648LL;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

float ToFloat(const String& text) {
    // atof's grammar is cut out by hand (no "inf", "nan" or hexadecimal), then read in the "C"
    // locale so that the user's locale never turns "." into ",". Out of range reads as the
    // standard library reads it: infinity, or 0.
    const std::string bytes = LowBytes(text, 255);
    std::size_t i = 0;
    while (i < bytes.size() && IsSpace(bytes[i]))
        ++i;
    std::string number;
    if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-'))
        number.push_back(bytes[i++]);
    bool digits = false;
    while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9') {
        number.push_back(bytes[i++]);
        digits = true;
    }
    if (i < bytes.size() && bytes[i] == '.') {
        number.push_back(bytes[i++]);
        while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9') {
            number.push_back(bytes[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0f;
    if (i < bytes.size() && (bytes[i] == 'e' || bytes[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < bytes.size() && (bytes[j] == '+' || bytes[j] == '-'))
            exponent.push_back(bytes[j++]);
        bool expDigits = false;
        while (j < bytes.size() && bytes[j] >= '0' && bytes[j] <= '9') {
            exponent.push_back(bytes[j++]);
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c != nullptr ? strtof_l(number.c_str(), nullptr, c)
                        : std::strtof(number.c_str(), nullptr);
}

int TruncToInt(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value), double{INT_MIN}, double{INT_MAX}));
}

String FromChar(int code) { return String(1, static_cast<char16_t>(code)); }

// ---- Slicing --------------------------------------------------------------------------------

String Slice(const String& text, int from, int to) {
    const long long length = static_cast<long long>(text.size());
    long long a = from < 0 ? length + from : from;
    long long b = to < 0 ? length + to : to;
    a = std::clamp(a, 0LL, length);
    b = std::clamp(b, 0LL, length);
    if (b <= a)
        return String();
    return text.substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
}

String Left(const String& text, int count) { return count <= 0 ? String() : Slice(text, 0, count); }

String Right(const String& text, int count) {
    if (count <= 0)
        return String();
    if (static_cast<std::size_t>(count) >= text.size())
        return text;
    return text.substr(text.size() - static_cast<std::size_t>(count));
}

String Mid(const String& text, int start, int count) {
    if (count <= 0 || start >= static_cast<int>(text.size()))
        return String();
    start = std::max(start, 0);
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

// ---- Searching ------------------------------------------------------------------------------

int Find(const String& text, const String& part, int start) {
    if (start < 0)
        start = 0;
    if (static_cast<std::size_t>(start) > text.size())
        return -1;
    const std::size_t at = text.find(part, static_cast<std::size_t>(start));
    return at == String::npos ? -1 : static_cast<int>(at);
}

int FindLast(const String& text, const String& part) {
    const std::size_t at = text.rfind(part);
    return at == String::npos ? -1 : static_cast<int>(at);
}

bool StartsWith(const String& text, const String& prefix) { return text.starts_with(prefix); }
bool EndsWith(const String& text, const String& suffix) { return text.ends_with(suffix); }
bool Contains(const String& text, const String& part) { return text.find(part) != String::npos; }

String Replace(const String& text, const String& from, const String& to) {
    if (from.empty())
        return text;
    String out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t at = text.find(from, pos);
        if (at == String::npos)
            break;
        out.append(text, pos, at - pos);
        out += to;
        pos = at + from.size();
    }
    out.append(text, pos, String::npos);
    return out;
}

std::vector<String> Split(const String& text, const String& separator) {
    std::vector<String> pieces;
    if (separator.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::size_t pos = 0;
    for (;;) {
        const std::size_t at = text.find(separator, pos);
        if (at == String::npos)
            break;
        pieces.push_back(text.substr(pos, at - pos));
        pos = at + separator.size();
    }
    pieces.push_back(text.substr(pos));
    return pieces;
}

String Join(const std::vector<String>& pieces, const String& separator) {
    String out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += separator;
        out += pieces[i];
    }
    return out;
}

String Trim(const String& text) {
    std::size_t a = 0;
    std::size_t b = text.size();
    while (a < b && text[a] <= 32)
        ++a;
    while (b > a && text[b - 1] <= 32)
        --b;
    return text.substr(a, b - a);
}

// ---- Case -----------------------------------------------------------------------------------

char16_t ToLowerUnit(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    // Latin-1 capitals À..Þ, except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<char16_t>(c + 32);
    return c;
}

char16_t ToUpperUnit(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<char16_t>(c - 32);
    return c;
}

String ToLower(const String& text) {
    String out = text;
    for (auto& c : out)
        c = ToLowerUnit(c);
    return out;
}

String ToUpper(const String& text) {
    String out = text;
    for (auto& c : out)
        c = ToUpperUnit(c);
    return out;
}

// ---- Paths ----------------------------------------------------------------------------------

String StripExt(const String& path) {
    const std::size_t dot = path.find_last_of(u'.');
    if (dot == String::npos)
        return path;
    const std::size_t slash = path.find_last_of(u"/\\");
    if (slash != String::npos && slash > dot)
        return path;
    return path.substr(0, dot);
}

String StripAll(const String& path) {
    const String noExt = StripExt(path);
    const std::size_t slash = noExt.find_last_of(u"/\\");
    return slash == String::npos ? noExt : noExt.substr(slash + 1);
}

String ExtractDir(const String& path) {
    std::size_t slash = path.find_last_of(u'/');
    if (slash == String::npos)
        slash = path.find_last_of(u'\\');
    return slash == String::npos ? String() : path.substr(0, slash);
}

} // namespace platform
