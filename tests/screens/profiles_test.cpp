// Profile folders in a temporary game folder: hostile names, symbolic links, proposed names,
// the deletion of the current profile.
#include <set>

#include "game_folder_fixture.h"

namespace fs = std::filesystem;
using namespace std::string_literals;
using Profiles = GameFolderTest;

TEST_F(Profiles, HostileNamesNeverReachOutsideTheGameFolder) {
    Write(home + "/Documents/garde", "x");
    for (const String& typed :
         {u".."s, u"."s, u".x"s, u"a/b"s, u"a\\b"s, u"*"s, u"a\nb"s, u"a\0b"s, u"../../"s}) {
        const String name = ProposeNomProfil(typed);
        ASSERT_TRUE(CreeProfil(name)) << platform::ToUtf8(name);
        EXPECT_EQ(CheminProfil(name), platform::GameFolder() + name + u"/");
        EXPECT_TRUE(EffaceProfil(name));
        // Used as they stand, they name nothing but the default profile.
        EXPECT_FALSE(CreeProfil(typed) || EffaceProfil(typed));
        EXPECT_EQ(CheminProfil(typed), CheminProfil(DossierDefaut));
    }
    EXPECT_TRUE(CreeProfil(ProposeNomProfil(String(200, u'é'))));
    EXPECT_EQ(ProposeNomProfil(u"a/b*c"), u"a-b-c");
    EXPECT_FALSE(EffaceProfil(DossierDefaut) || EffaceProfil(NomAfficheDefaut));
    EXPECT_EQ(ListeProfils().size(), 2u);
    // Nothing beside the game folder and the file that was there.
    EXPECT_EQ(std::distance(fs::directory_iterator(home), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(home + "/Documents"), {}), 2);
}

TEST_F(Profiles, LinksAndFilesAreNoProfiles) {
    fs::create_directories(home + "/dehors");
    Write(home + "/dehors/precieux", "x");
    fs::create_directory_symlink(home + "/dehors", game + "lien");
    Write(game + "mirelvanquibs_phrases.txt", "x");
    EXPECT_EQ(ListeProfils(), std::vector<String>{DossierDefaut});
    EXPECT_FALSE(EffaceProfil(u"lien") || EffaceProfil(u"mirelvanquibs_phrases.txt"));
    // A link inside a profile goes with the profile; what it points to stays. Deleting the
    // current profile makes the default one current.
    ASSERT_TRUE(CreeProfil(u"Léa"));
    fs::create_directory_symlink(home + "/dehors", game + "Léa/lien");
    dossierprofil = CheminProfil(u"Léa");
    EXPECT_TRUE(EffaceProfil(u"Léa"));
    EXPECT_TRUE(fs::exists(home + "/dehors/precieux"));
    EXPECT_EQ(dossierprofil, platform::FromUtf8(home) + u"/Documents/MirelvanQuibs/_defaut/");
}

TEST_F(Profiles, ProposedNamesAreFreeAndNeverRepeat) {
    // Case is ignored, so that no two profiles share a folder on a disk that ignores it.
    std::set<String> names;
    for (int i = 0; i < 40; ++i) {
        const String name = ProposeNomProfil(i % 2 ? u"Zoé" : u"zoé");
        EXPECT_TRUE(names.insert(platform::ToLower(name)).second);
        ASSERT_TRUE(CreeProfil(name)) << platform::ToUtf8(name);
    }
    // The base, its fifteen qualified forms, then numbers.
    EXPECT_TRUE(names.count(u"zoé d'amour") && names.count(u"l'immarcescible zoé"));
    EXPECT_EQ(names.lower_bound(u"zoé_")->substr(0, 4), u"zoé_");
    EXPECT_TRUE(std::count(PrenomsProposes.begin(), PrenomsProposes.end(),
                           ProposeNomProfil(u"nouveau profil")));
    EXPECT_NE(ProposeNomProfil(NomAfficheDefaut), NomAfficheDefaut);
}

// Folders named outside the game with the typographic apostrophe or the oe ligature keep their
// names, are shown with those characters (not "?"), and never read like another folder's name,
// even in a font that draws them as "'" and "oe".
TEST_F(Profiles, TypographicApostropheAndLigaturesShowAsWritten) {
    for (const char* nom : {"l'\xC3\xA9"
                            "cole",
                            "l\xE2\x80\x99\xC3\xA9"
                            "cole",
                            "C\xC5\x93ur", "\xC5\x92uvre", "Coeur"}) {
        fs::create_directory(game + nom);
    }
    const std::vector<String> dossiers = ListeProfils();
    ASSERT_EQ(dossiers.size(), 6u);
    std::set<String> vus;
    for (const String& legende : LegendesProfils(dossiers)) {
        std::string lu = platform::ToUtf8(legende);
        EXPECT_EQ(lu.find('?'), std::string::npos) << lu;
        for (const auto& [mot, remplacant] :
             {std::pair{"\xE2\x80\x99", "'"}, {"\xC5\x93", "oe"}, {"\xC5\x92", "OE"}}) {
            for (auto at = lu.find(mot); at != std::string::npos; at = lu.find(mot)) {
                lu.replace(at, std::string(mot).size(), remplacant);
            }
        }
        EXPECT_TRUE(vus.insert(platform::FromUtf8(lu)).second) << lu;
    }
    EXPECT_EQ(NomAfficheProfil(u"l\u2019école"), u"l\u2019école");
    EXPECT_EQ(NomAfficheProfil(u"C\u0153ur"), u"C\u0153ur");
    EXPECT_EQ(CheminProfil(u"C\u0153ur"), platform::GameFolder() + u"C\u0153ur/");
}
