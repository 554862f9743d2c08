// Files in a temporary home: the game folder, streams, listings, deletion, atomic writes.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/audio.h"
#include "platform/case_folder.h"
#include "platform/diag.h"
#include "platform/file_failures.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/picture_bytes.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Every test gets its own HOME, and no USERPROFILE nor MQ_DATA_DIR; all three come back after.
class Files : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto& [name, value] : saved_)
            if (const char* v = std::getenv(name))
                value = v;
        root = CaseFolder("files").string();
        setenv("HOME", root.c_str(), 1);
        unsetenv("USERPROFILE");
        unsetenv("MQ_DATA_DIR");
        SetDataFolder(u"");
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name, value->c_str(), 1);
            else
                unsetenv(name);
        }
        SetDataFolder(u"");
    }
    String P(const std::string& relative) const { return FromUtf8(root + "/" + relative); }
    void Write(const std::string& relative, const std::string& bytes) const {
        std::ofstream(root + "/" + relative, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& relative) const {
        std::ifstream in(root + "/" + relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string root;

  private:
    std::pair<const char*, std::optional<std::string>> saved_[3] = {
        {"HOME", {}}, {"USERPROFILE", {}}, {"MQ_DATA_DIR", {}}};
};

} // namespace

TEST_F(Files, GameFolderComesFromUserProfileElseHomeNeverTheRoot) {
    EXPECT_EQ(GameFolder(), P("Documents/MirelvanQuibs/"));
    EXPECT_EQ(GetEnv(u"USERPROFILE"), FromUtf8(root));
    setenv("USERPROFILE", "/tmp/profil", 1);
    EXPECT_EQ(GameFolder(), u"/tmp/profil/Documents/MirelvanQuibs/");
    // Neither set: the account's home from the user database, not "/Documents/...".
    unsetenv("USERPROFILE");
    unsetenv("HOME");
    const String folder = GameFolder();
    EXPECT_FALSE(StartsWith(folder, u"/Documents"));
    EXPECT_TRUE(EndsWith(folder, u"/Documents/MirelvanQuibs/"));
    // Other names do not fall back.
    EXPECT_EQ(GetEnv(u"MQ_SURELY_UNSET_NAME"), u"");
}

TEST_F(Files, DataPathsResolveUnderTheDataFolder) {
    setenv("MQ_DATA_DIR", "/opt/mq/data", 1);
    EXPECT_EQ(ResolveDataPath(u"pop1.wav"), u"/opt/mq/data/pop1.wav");
    SetDataFolder(FromUtf8(root));
    EXPECT_EQ(ResolveDataPath(u"fonts_oregano_48/65.png"), P("fonts_oregano_48/65.png"));
    EXPECT_EQ(ResolveDataPath(u"/abs/capture.bmp"), u"/abs/capture.bmp");
    Write("sliderv.txt", "\xEF\xBB\xBFlargeur=12\nnom=poupée");
    EXPECT_EQ(LoadString(u"sliderv.txt"), u"largeur=12\nnom=poupée");
    EXPECT_EQ(LoadString(u"absent.txt"), u"");
    // Regular files only, up to the size asked for.
    EXPECT_EQ(LoadString(u"sliderv.txt", 10), u"");
    EXPECT_EQ(LoadString(u"/dev/zero"), u"");
    EXPECT_TRUE(IsInDataFolder(u"fonts/a.txt") && IsInDataFolder(u"a..b.txt"));
    EXPECT_FALSE(IsInDataFolder(u"/etc/a.txt") || IsInDataFolder(u"fonts\\..\\..\\a.txt"));
    // Without any override the folder sits beside the executable.
    SetDataFolder(u"");
    unsetenv("MQ_DATA_DIR");
    EXPECT_TRUE(EndsWith(DataFolder(), u"/data"));
}

TEST_F(Files, StreamsWriteReadAndAppend) {
    const String prefs = P("preferences");
    auto out = FileStream::Open(prefs, u"w");
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->WriteInt(1));
    EXPECT_TRUE(out->WriteInt(-2));
    EXPECT_TRUE(out->WriteInt(0x12345678));
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(Read("preferences"), std::string("\x01\0\0\0\xFE\xFF\xFF\xFF\x78\x56\x34\x12", 12));

    auto in = FileStream::Open(prefs, u"r");
    ASSERT_TRUE(in);
    std::int32_t v = 0;
    ASSERT_TRUE(in->ReadInt(v));
    EXPECT_EQ(v, 1);
    ASSERT_TRUE(in->ReadInt(v));
    EXPECT_EQ(v, -2);
    EXPECT_FALSE(in->Eof());
    ASSERT_TRUE(in->ReadInt(v));
    EXPECT_EQ(v, 0x12345678);
    EXPECT_TRUE(in->Eof());

    // "a" creates the file, then appends after what is there.
    for (const char16_t* line : {u"Le chat dort.\n", u"La dame lance le ballon à l'éléphant.\n"}) {
        auto append = FileStream::Open(P("phrases.txt"), u"a");
        ASSERT_TRUE(append);
        EXPECT_TRUE(append->WriteString(line));
        EXPECT_TRUE(append->Close());
    }
    EXPECT_EQ(Read("phrases.txt"),
              "Le chat dort.\nLa dame lance le ballon \xC3\xA0 l'\xC3\xA9l\xC3\xA9phant.\n");
    auto text = FileStream::Open(P("phrases.txt"), u"r");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->ReadString(), u"Le chat dort.\nLa dame lance le ballon à l'éléphant.\n");
}

TEST_F(Files, ShortReadReportsFailureAndKeepsTheValue) {
    Write("preferences", std::string("\x05\0\0\0\x07\0", 6));
    auto in = FileStream::Open(P("preferences"), u"r");
    ASSERT_TRUE(in);
    std::int32_t v = 0;
    EXPECT_TRUE(in->ReadInt(v));
    EXPECT_EQ(v, 5);
    EXPECT_FALSE(in->ReadInt(v));
    EXPECT_EQ(v, 5);
    EXPECT_FALSE(in->ReadInt(v));
}

TEST_F(Files, StreamsThatCannotOpenGiveNull) {
    EXPECT_FALSE(FileStream::Open(P("absent"), u"r"));
    EXPECT_FALSE(FileStream::Open(P("no/such/folder/file"), u"w"));
    EXPECT_FALSE(FileStream::Open(P("x"), u"rw"));
    EXPECT_FALSE(FileStream::Open(FromUtf8(root), u"r")); // a folder is not a file
    EXPECT_FALSE(FileStream::Open(u"", u"w"));
}

TEST_F(Files, DataBufferIsZeroFilledLittleEndianAndBounded) {
    DataBuffer buffer(8);
    buffer.PokeShort(0, 0x4D42);
    buffer.PokeInt(2, 54 + 3);
    buffer.PokeInt(6, -1); // half of it past the end
    buffer.PokeByte(100, 9);
    const std::uint8_t expected[8] = {0x42, 0x4D, 57, 0, 0, 0, 0xFF, 0xFF};
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.Data(), buffer.Data() + 8),
              std::vector<std::uint8_t>(expected, expected + 8));
}

TEST_F(Files, ListingIsSortedWithoutDotNames) {
    for (const char* name : {"zoe", "Bastien", "_defaut", "alice", ".cache", "Émile"}) {
        fs::create_directory(root + "/" + name);
    }
    Write("notes.txt", "x");
    EXPECT_EQ(LoadDir(FromUtf8(root)), (std::vector<String>{u"_defaut", u"alice", u"Bastien",
                                                            u"notes.txt", u"zoe", u"Émile"}));
    EXPECT_TRUE(LoadDir(P("absent")).empty());
}

TEST_F(Files, CreateDirMakesEveryLevelAndFileTypeTellsThemApart) {
    EXPECT_TRUE(CreateDir(P("Documents//MirelvanQuibs/_defaut/")));
    EXPECT_EQ(FileType(P("Documents/MirelvanQuibs/_defaut")), 2);
    // Existing levels are fine.
    EXPECT_TRUE(CreateDir(P("Documents/MirelvanQuibs")));
    Write("Documents/f", "x");
    EXPECT_EQ(FileType(P("Documents/f")), 1);
    EXPECT_EQ(FileType(P("Documents/none")), 0);
    // A file in the way cannot become a folder.
    EXPECT_FALSE(CreateDir(P("Documents/f/sub")));
}

TEST_F(Files, DeleteDirRemovesEverythingButNeverFollowsALinkAndDeleteFileLeavesFolders) {
    ASSERT_TRUE(CreateDir(P("outside")));
    Write("outside/precious.txt", "keep me");
    ASSERT_TRUE(CreateDir(P("profile/sub/deeper")));
    Write("profile/preferences", "p");
    Write("profile/sub/deeper/capture.bmp", "b");
    fs::create_directory_symlink(root + "/outside", root + "/profile/link");
    fs::create_symlink(root + "/outside/precious.txt", root + "/profile/sub/file-link");

    EXPECT_TRUE(DeleteDir(P("profile")));
    EXPECT_EQ(FileType(P("profile")), 0);
    EXPECT_EQ(Read("outside/precious.txt"), "keep me");
    EXPECT_FALSE(DeleteDir(P("profile")));

    // A link named as the folder goes, its target stays.
    fs::create_directory_symlink(root + "/outside", root + "/alias");
    EXPECT_TRUE(DeleteDir(P("alias")));
    EXPECT_FALSE(fs::is_symlink(root + "/alias"));
    EXPECT_EQ(Read("outside/precious.txt"), "keep me");

    // Deleting a file leaves folders alone.
    EXPECT_TRUE(DeleteFile(P("outside/precious.txt")));
    EXPECT_FALSE(DeleteFile(P("outside/precious.txt")));
    EXPECT_FALSE(DeleteFile(P("outside")));
    EXPECT_EQ(FileType(P("outside")), 2);
}

TEST_F(Files, ReplaceFileAtomicallyLeavesOnlyTheNewFile) {
    Write("preferences", "old contents");
    const std::vector<std::uint8_t> bytes = {1, 0, 0, 0, 2, 0, 0, 0};
    EXPECT_TRUE(ReplaceFileAtomically(P("preferences"), bytes));
    EXPECT_EQ(Read("preferences"), std::string("\x01\0\0\0\x02\0\0\0", 8));
    // No temporary file is left behind, hidden or not.
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
    struct stat info {};
    ASSERT_EQ(stat((root + "/preferences").c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IRUSR, 0u);
    // A missing folder fails and leaves nothing.
    EXPECT_FALSE(ReplaceFileAtomically(P("absent/preferences"), bytes));
    EXPECT_EQ(FileType(P("absent")), 0);
}

// A pipe or a device where a file is expected counts as missing, at once: opening a pipe that
// nobody writes to would otherwise wait forever (the alarm ends the test if it does).
TEST_F(Files, PipesAndDevicesAreNeverWaitedOnNorWritten) {
    ASSERT_EQ(mkfifo((root + "/preferences").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo((root + "/phrases.txt").c_str(), 0644), 0);
    alarm(10);
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(LoadBytes(P("preferences"), bytes));
    EXPECT_FALSE(LoadFileEnd(P("phrases.txt"), bytes, 100));
    EXPECT_EQ(LoadString(P("phrases.txt")), u"");
    EXPECT_FALSE(FileStream::Open(P("preferences"), u"r"));
    EXPECT_FALSE(FileStream::Open(P("phrases.txt"), u"a"));
    EXPECT_FALSE(FileStream::Open(P("phrases.txt"), u"w"));
    EXPECT_FALSE(ReplaceFileAtomically(P("preferences"), {1, 2, 3}));
    EXPECT_FALSE(FileStream::Open(u"/dev/zero", u"r"));
    EXPECT_FALSE(LoadBytes(u"/dev/zero", bytes));
    alarm(0);
    struct stat info {};
    ASSERT_EQ(lstat((root + "/preferences").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// Below the game folder nothing is written through a link, whether the link is the file or a
// profile folder (the default one included); above it, a linked Documents folder is the
// parent's own choice and stays usable.
TEST_F(Files, WritesBelowTheGameFolderFollowNoLink) {
    ASSERT_TRUE(CreateDir(P("elsewhere")));
    ASSERT_TRUE(CreateDir(P("real-documents/MirelvanQuibs/Zoé")));
    fs::create_directory_symlink(root + "/real-documents", root + "/Documents");
    const std::string game = root + "/Documents/MirelvanQuibs/";
    fs::create_directory_symlink(root + "/elsewhere", game + "_defaut");
    fs::create_symlink(root + "/elsewhere/list.txt", game + "Zoé/phrases.txt");
    Write("elsewhere/list.txt", "theirs\n");
    const String jeu = FromUtf8(game);

    EXPECT_FALSE(ReplaceFileAtomically(jeu + u"_defaut/preferences", {1, 2, 3, 4}));
    EXPECT_FALSE(FileStream::Open(jeu + u"_defaut/preferences", u"w"));
    EXPECT_FALSE(FileStream::Open(jeu + u"_defaut/phrases.txt", u"a"));
    EXPECT_FALSE(FileStream::Open(jeu + u"Zoé/phrases.txt", u"a"));
    EXPECT_FALSE(FileStream::Open(jeu + u"Zoé/../_defaut/x", u"w"));
    // A link where the new file would go is not replaced either.
    EXPECT_FALSE(ReplaceFileAtomically(jeu + u"Zoé/phrases.txt", {1}));
    EXPECT_EQ(std::distance(fs::directory_iterator(root + "/elsewhere"), fs::directory_iterator()),
              1);
    EXPECT_EQ(Read("elsewhere/list.txt"), "theirs\n");
    EXPECT_TRUE(fs::is_symlink(game + "Zoé/phrases.txt"));

    // Real folders under a linked Documents are written as usual.
    EXPECT_TRUE(ReplaceFileAtomically(jeu + u"Zoé/preferences", {1, 2, 3, 4}));
    auto append = FileStream::Open(jeu + u"mirelvanquibs_phrases.txt", u"a");
    ASSERT_TRUE(append);
    EXPECT_TRUE(append->WriteString(u"Le chat dort.\n"));
    EXPECT_TRUE(append->Close());
    EXPECT_EQ(Read("real-documents/MirelvanQuibs/mirelvanquibs_phrases.txt"), "Le chat dort.\n");
    EXPECT_EQ(Read("real-documents/MirelvanQuibs/Zoé/preferences"), "\x01\x02\x03\x04");
}

// Folder names that are not UTF-8, or that start with a byte-order mark, come back from a
// listing as names that lead to that very folder and to no other.
TEST_F(Files, ListedNamesLeadBackToTheirOwnFolder) {
    const std::string names[] = {"caf\xC3\xA9", "caf\xE9",
                                 "\xEF\xBB\xBF"
                                 "caf\xC3\xA9",
                                 "\xED\xA0\x80x"};
    for (const std::string& name : names) {
        ASSERT_TRUE(fs::create_directory(root + "/" + name));
    }
    const std::vector<String> listed = LoadDir(FromUtf8(root));
    ASSERT_EQ(listed.size(), 4u);
    for (const String& name : listed) {
        EXPECT_EQ(FileType(FromUtf8(root) + u"/" + name), 2);
        ASSERT_TRUE(ReplaceFileAtomically(FromUtf8(root) + u"/" + name + u"/preferences",
                                          std::vector<std::uint8_t>(name.begin(), name.end())));
    }
    for (const std::string& name : names) {
        EXPECT_EQ(
            std::distance(fs::directory_iterator(root + "/" + name), fs::directory_iterator()), 1)
            << name;
    }
    EXPECT_EQ(std::count_if(
                  listed.begin(), listed.end(),
                  [](const String& n) { return std::any_of(n.begin(), n.end(), IsEscapedByte); }),
              2);
}

// The game's writes on a full disk and in a read-only folder: each fails and says so by its
// result, and every file already written stays as it was, with no temporary file left behind.
TEST_F(Files, AFullDiskOrAReadOnlyFolderLosesNothingAlreadyWritten) {
    const std::string game = ToUtf8(GameFolder());
    const String profile = GameFolder() + u"Léa/";
    ASSERT_TRUE(CreateDir(profile));
    Write("Documents/MirelvanQuibs/Léa/preferences", "choix");
    Write("Documents/MirelvanQuibs/Léa/phrases.txt", "photo|Le chat dort.\n");
    Write("Documents/MirelvanQuibs/mirelvanquibs_phrases.txt", "Le chien court.\n");
    const auto listing = [&] {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(game))
            names.push_back(entry.path().string() + "=" +
                            (entry.is_regular_file() ? Read(fs::relative(entry.path(), root)) : ""));
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto kept = listing();
    const std::vector<std::uint8_t> picture(300, 7);
    const auto append = [](const String& path, const String& text) {
        auto stream = FileStream::Open(path, u"a");
        return stream && stream->WriteString(text) && stream->Close();
    };

    {
        // Room for a few more bytes in each file: the writes start, then fail.
        FullDisk full(24);
        EXPECT_FALSE(ReplaceFileAtomically(profile + u"preferences", picture));
        EXPECT_FALSE(ReplaceFileAtomically(profile + u"photo.bmp", picture));
        EXPECT_FALSE(append(profile + u"phrases.txt", u"photo_2|Le chat dort encore.\n"));
        EXPECT_FALSE(append(GameFolder() + u"mirelvanquibs_phrases.txt", u"Le chien dort.\n"));
    }
    EXPECT_EQ(listing(), kept);

    {
        // The game folder: no new profile, no export file, no profile deleted (its own folder
        // can still be written, so its files could go one by one).
        ReadOnlyFolder readOnly(game, {game + "Léa"});
        EXPECT_FALSE(CreateDir(GameFolder() + u"Max"));
        EXPECT_FALSE(DeleteDir(GameFolder() + u"Léa"));
        EXPECT_FALSE(ReplaceFileAtomically(GameFolder() + u"nouveau.txt", picture));
        EXPECT_FALSE(append(GameFolder() + u"nouveau.txt", u"Le chien dort.\n"));
    }
    EXPECT_EQ(listing(), kept);
    {
        // The profile folder: no preferences, no photo, no line.
        ReadOnlyFolder readOnly(game + "Léa");
        EXPECT_FALSE(ReplaceFileAtomically(profile + u"preferences", picture));
        EXPECT_FALSE(ReplaceFileAtomically(profile + u"photo.bmp", picture));
        // Root, acting as another user, cannot open the file; an ordinary owner still may.
        if (append(profile + u"phrases.txt", u"photo_2|Le chat dort encore.\n")) {
            Write("Documents/MirelvanQuibs/Léa/phrases.txt", "photo|Le chat dort.\n");
        }
    }
    EXPECT_EQ(listing(), kept);

    // Writable again, everything works.
    EXPECT_TRUE(DeleteDir(GameFolder() + u"Léa"));
    EXPECT_EQ(FileType(GameFolder() + u"Léa"), 0);
    EXPECT_TRUE(append(GameFolder() + u"mirelvanquibs_phrases.txt", u"Le chien dort.\n"));
    EXPECT_EQ(Read("Documents/MirelvanQuibs/mirelvanquibs_phrases.txt"),
              "Le chien court.\nLe chien dort.\n");
}

namespace {

// The working folder for one test, given back after it.
class InFolder {
  public:
    explicit InFolder(const std::string& folder) : before_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~InFolder() { fs::current_path(before_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    fs::path before_;
};

} // namespace

// Without a HOME that names a folder, the game folder goes under the account's home from the
// user database (the working folder only when that is no folder either), never at the root by
// chance nor in a HOME it would have to create; one line says where, once.
TEST_F(Files, WithoutAUsableHomeTheGameFolderGoesUnderTheAccountsHomeAndSaysSo) {
    const passwd* account = getpwuid(getuid());
    ASSERT_NE(account, nullptr);
    std::string expected = account->pw_dir;
    const bool accountHome = !expected.empty() && fs::is_directory(expected);
    InFolder working(root);
    if (!accountHome)
        expected = root;
    while (expected.size() > 1 && expected.back() == '/')
        expected.pop_back();
    const String folder = FromUtf8((expected == "/" ? "" : expected) + "/Documents/MirelvanQuibs/");

    Write("a_file", "x");
    const std::string missing = root + "/missing/home";
    const std::pair<const char*, std::optional<std::string>> homes[] = {
        {"unset", std::nullopt}, {"missing", missing}, {"a file", root + "/a_file"}};
    for (const auto& [what, home] : homes) {
        SCOPED_TRACE(what);
        ResetWarnings();
        home ? setenv("HOME", home->c_str(), 1) : unsetenv("HOME");
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(GameFolder(), folder);
        EXPECT_EQ(GetEnv(u"USERPROFILE") + u"/Documents/MirelvanQuibs/", folder);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(ToUtf8(folder)), std::string::npos) << said;
        EXPECT_FALSE(fs::exists(root + "/missing"));
    }

    // From the root, HOME unset: "/Documents" only when the account's home is the root itself,
    // and never "//Documents".
    {
        InFolder atRoot("/");
        unsetenv("HOME");
        ::testing::internal::CaptureStderr();
        const String fromRoot = GameFolder();
        ::testing::internal::GetCapturedStderr();
        EXPECT_FALSE(StartsWith(fromRoot, u"//"));
        EXPECT_EQ(StartsWith(fromRoot, u"/Documents"), accountHome && expected == "/");
    }

    // A HOME that names a folder is the game's, without a word, its trailing separator dropped.
    setenv("HOME", (root + "/").c_str(), 1);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(GameFolder(), P("Documents/MirelvanQuibs/"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

// A data folder named relative to the working folder (MQ_DATA_DIR=data, or a system without
// /proc) is made absolute once: pictures, sounds and text files are all found in it.
TEST_F(Files, ARelativeDataFolderIsFoundFromTheWorkingFolder) {
    fs::create_directories(root + "/data");
    WriteBytes(root + "/data/point.bmp", MakeBmp(1, 1, 24, {}, [](int, int) { return 0u; }));
    // A sound of two 8-bit samples.
    std::string wav = "RIFF";
    const unsigned char rest[] = {38,  0,   0,    0,    'W', 'A', 'V', 'E', 'f', 'm',  't',
                                  ' ', 16,  0,    0,    0,   1,   0,   1,   0,   0x44, 0xAC,
                                  0,   0,   0x44, 0xAC, 0,   0,   1,   0,   8,   0,    'd',
                                  'a', 't', 'a',  2,    0,   0,   0,   128, 200};
    wav.append(reinterpret_cast<const char*>(rest), sizeof rest);
    Write("data/pop.wav", wav);
    Write("data/texte.txt", "bonjour");

    InFolder working(root);
    for (const bool fromEnvironment : {true, false}) {
        SCOPED_TRACE(fromEnvironment ? "MQ_DATA_DIR" : "SetDataFolder");
        ResetWarnings();
        if (fromEnvironment) {
            setenv("MQ_DATA_DIR", "data", 1);
        } else {
            unsetenv("MQ_DATA_DIR");
            SetDataFolder(u"data");
        }
        EXPECT_EQ(DataFolder(), P("data"));
        EXPECT_EQ(ResolveDataPath(ResolveDataPath(u"pop.wav")), P("data/pop.wav"));
        EXPECT_TRUE(LoadImage(u"point.bmp"));
        EXPECT_TRUE(LoadSound(u"pop.wav"));
        EXPECT_EQ(LoadString(u"texte.txt"), u"bonjour");
        SetDataFolder(u"");
    }
}
