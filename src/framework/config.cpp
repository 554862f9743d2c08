#include "framework/config.h"

#include "platform/files.h"

namespace {

// A stored line read as "key = value = ignored": the key lower-cased then trimmed, the value
// trimmed. Only the text between the first and the second "=" is the value; a line without "="
// is all key and has an empty value.
void SplitSetting(const String& line, String& key, String& value) {
    const std::size_t first = line.find(u'=');
    if (first == String::npos) {
        key = platform::Trim(platform::ToLower(line));
        value.clear();
        return;
    }
    key = platform::Trim(platform::ToLower(line.substr(0, first)));
    const std::size_t second = line.find(u'=', first + 1);
    const std::size_t length = second == String::npos ? String::npos : second - first - 1;
    value = platform::Trim(line.substr(first + 1, length));
}

} // namespace

String StripComment(const String& line, const String& marker) {
    if (marker.empty())
        return line;
    const std::size_t at = line.find(marker);
    return at == String::npos ? line : line.substr(0, at);
}

bool iConfig::Load(const String& filePath) {
    if (filePath != path || path.empty()) {
        text = platform::LoadString(filePath);
        if (text.empty()) {
            // A missing or empty file must not answer with the lines of an earlier one.
            lines.clear();
            path.clear();
        } else {
            Parse(text);
            path = filePath;
        }
    }
    return !lines.empty();
}

void iConfig::Parse(const String& source) {
    lines.clear();
    // Lines parsed from a text of their own no longer belong to the loaded file.
    path.clear();
    for (const String& piece : platform::Split(source, u"\n")) {
        String line = platform::Trim(piece);
        line = StripComment(line, u"//");
        line = StripComment(line, u"'");
        line = platform::Trim(line);
        if (!line.empty())
            lines.push_back(std::move(line));
    }
}

bool iConfig::FindValue(const String& key, String& value) const {
    const String wanted = platform::ToLower(key);
    String lineKey;
    for (const String& line : lines) {
        SplitSetting(line, lineKey, value);
        if (lineKey == wanted)
            return true;
    }
    value.clear();
    return false;
}

String iConfig::GetString(const String& key, const String& defaultValue) const {
    String value;
    return FindValue(key, value) ? value : defaultValue;
}

int iConfig::GetInt(const String& key, int defaultValue) const {
    String value;
    return FindValue(key, value) ? platform::ToInt(value) : defaultValue;
}

float iConfig::GetFloat(const String& key, float defaultValue) const {
    String value;
    return FindValue(key, value) ? platform::ToFloat(value) : defaultValue;
}

bool iConfig::GetBool(const String& key, bool defaultValue) const {
    // Unlike the other getters, a value that is neither word lets a later line decide.
    const String wanted = platform::ToLower(key);
    String lineKey;
    String value;
    for (const String& line : lines) {
        SplitSetting(line, lineKey, value);
        if (lineKey != wanted)
            continue;
        value = platform::Trim(platform::ToLower(value));
        if (value == u"true")
            return true;
        if (value == u"false")
            return false;
    }
    return defaultValue;
}

std::vector<int> iConfig::GetIntArray(const String& key, const String& separator,
                                      const std::vector<int>& defaultValue) const {
    const String value = GetString(key, u"");
    if (value.empty())
        return defaultValue;
    std::vector<int> numbers;
    for (const String& piece : platform::Split(value, separator))
        numbers.push_back(platform::ToInt(piece));
    return numbers;
}

bool iConfig::HasKey(const String& key) const {
    const String wanted = platform::Trim(platform::ToLower(key));
    String lineKey;
    String value;
    for (const String& line : lines) {
        SplitSetting(line, lineKey, value);
        if (lineKey == wanted)
            return true;
    }
    return false;
}

bool iConfig::HasKeyPrefix(const String& part, bool caseSensitive) const {
    const String wanted = caseSensitive ? part : platform::ToLower(part);
    for (const String& line : lines) {
        if (caseSensitive ? platform::Contains(line, wanted)
                          : platform::Contains(platform::ToLower(line), wanted))
            return true;
    }
    return false;
}
