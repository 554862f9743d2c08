#pragma once
// iConfig: the reader of the game's text settings (widget skins, bitmap-font descriptions,
// sections of a group's item script). One setting per line, "key = value"; a line is cut at
// "//" and at "'", keys compare case-insensitively and the first matching line wins.
#include <vector>

#include "platform/text.h"

class iConfig {
  public:
    // Path of the last load that found text.
    String path;
    // Text of the last load that read a file; empty when that file was missing or empty.
    String text;
    // The kept lines, trimmed, comments removed, in file order.
    std::vector<String> lines;

    // Reads a file (relative names under the data folder) unless it is the path already held.
    // True when lines are held afterwards; a missing or empty file leaves none.
    bool Load(const String& filePath);
    // Replaces the lines by those of the text.
    void Parse(const String& source);

    String GetString(const String& key, const String& defaultValue = u"") const;
    // A present key whose value is no number gives 0, not the default.
    int GetInt(const String& key, int defaultValue = 0) const;
    float GetFloat(const String& key, float defaultValue = 0.0f) const;
    // Only "true" or "false" decide; a line holding anything else is skipped.
    bool GetBool(const String& key, bool defaultValue = false) const;
    // The value split at the separator, each piece read as an integer.
    std::vector<int> GetIntArray(const String& key, const String& separator,
                                 const std::vector<int>& defaultValue = {}) const;
    bool HasKey(const String& key) const;
    // True when a whole stored line contains the text.
    bool HasKeyPrefix(const String& part, bool caseSensitive) const;

  private:
    // The trimmed value of the first line whose key matches; false when none does.
    bool FindValue(const String& key, String& value) const;
};

// The line cut before the first occurrence of the marker (the whole line when it has none).
String StripComment(const String& line, const String& marker);
