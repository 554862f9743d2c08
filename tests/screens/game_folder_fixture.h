#pragma once
// A temporary home per test case (USERPROFILE unset, so the game folder falls under HOME) with
// the default profile current, the start vocabulary and seed, debug lines silenced.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/frame_chain.h"
#include "platform/files.h"
#include "platform/random.h"
#include "screens/profiles.h"
#include "screens/screen_globals.h"
#include "sentence/sentence_debug.h"
#include "sentence/vocabulary.h"

class GameFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "mq-prof-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        setenv("HOME", home.c_str(), 1);
        unsetenv("USERPROFILE");
        InitVocabulary();
        ResetScreenGlobals();
        platform::SetSeed(platform::StartSeed);
        SilenceSentenceDebug();
        ASSERT_TRUE(CreeDossierDefaut());
        dossierprofil = CheminProfil(DossierDefaut);
        game = platform::ToUtf8(platform::GameFolder());
    }
    void TearDown() override {
        std::filesystem::remove_all(home);
        setenv("HOME", savedHome.c_str(), 1);
        SetSentenceDebugSink(nullptr);
        InitVocabulary();
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    std::string home, game;
};
