// The preferences file of a profile: the bytes written as "preferences" in the default profile
// of a game folder of the target's own, then read. A file that loads is written back and must
// give the same record, each yes/no value as 1 or 0.
#include <cstdint>
#include <cstring>

#include "framework/frame_chain.h"
#include "fuzz_support.h"
#include "platform/files.h"
#include "platform/random.h"
#include "screens/preferences.h"
#include "screens/profiles.h"
#include "screens/screen_globals.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::QuietDebugLines();
    setenv("HOME", fuzz::Folder().c_str(), 1);
    unsetenv("USERPROFILE");
    InitVocabulary();
    ResetScreenGlobals();
    SilenceSentenceDebug();
    if (!CreeDossierDefaut()) {
        std::abort();
    }
    dossierprofil = CheminProfil(DossierDefaut);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = platform::ToUtf8(dossierprofil) + "preferences";
    fuzz::Write(file, data, size);
    platform::SetSeed(platform::StartSeed);
    if (!LitPreferences()) {
        return 0;
    }
    if (!EcritPreferences()) {
        std::abort();
    }
    std::vector<std::uint8_t> back;
    if (!platform::LoadBytes(platform::FromUtf8(file), back) || back.size() != 284) {
        std::abort();
    }
    for (std::size_t i = 0; i < 71; ++i) {
        std::int32_t read = 0, written = 0;
        std::memcpy(&read, data + 4 * i, 4);
        std::memcpy(&written, back.data() + 4 * i, 4);
        if (written != (i < 10 ? read : read == 1 ? 1 : 0)) {
            std::abort();
        }
    }
    return 0;
}
