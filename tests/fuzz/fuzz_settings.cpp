// Settings files (widget skins, font descriptions, sections of an items script): the text read
// as UTF-8, parsed, then every getter asked for a few fixed keys and for the keys the text names.
#include <cstdint>
#include <string_view>

#include "framework/config.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String text =
        platform::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    iConfig config;
    config.Parse(text);
    std::vector<String> keys = {u"x", u"width", u"surfaceAlpha", u"margins", u"", u"="};
    for (std::size_t i = 0; i < config.lines.size() && i < 8; ++i) {
        keys.push_back(platform::Trim(config.lines[i].substr(0, config.lines[i].find(u'='))));
    }
    for (const String& key : keys) {
        config.HasKey(key);
        config.GetString(key);
        config.GetInt(key, 5);
        config.GetFloat(key, 5.0f);
        config.GetBool(key, true);
        config.GetIntArray(key, u",");
        config.GetIntArray(key, u"");
        config.HasKeyPrefix(key, true);
        config.HasKeyPrefix(key, false);
    }
    return 0;
}
