#include <gtest/gtest.h>

#include <vector>

#include "platform/diag.h"

using namespace platform;

TEST(Diag, ErrorWithoutMessageIsAQuietQuit) {
    try {
        Error(u"");
        FAIL() << "Error returned";
    } catch (const QuitSignal& quit) {
        EXPECT_EQ(quit.exitCode, 0);
        EXPECT_TRUE(quit.message.empty());
    }
    try {
        Error(u"Image frame outside surface");
    } catch (const QuitSignal& quit) {
        EXPECT_EQ(quit.exitCode, 1);
        EXPECT_EQ(quit.message, u"Image frame outside surface");
    }
}

TEST(Diag, PrintGoesToTheSinkUntilItIsRemoved) {
    std::vector<String> lines;
    PrintSink previous = SetPrintSink([&](const String& line) { lines.push_back(line); });
    Print(u"écran : ecrantitre");
    Print(u"");
    SetPrintSink(previous);
    EXPECT_EQ(lines, (std::vector<String>{u"écran : ecrantitre", u""}));
    testing::internal::CaptureStdout();
    Print(u"graine 1234 é");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "graine 1234 \xC3\xA9\n");
}

TEST(Diag, WarningsAreGivenOncePerKey) {
    ResetWarnings();
    testing::internal::CaptureStderr();
    WarnOnce(u"a.png", u"Image introuvable : a.png");
    WarnOnce(u"a.png", u"Image introuvable : a.png");
    WarnOnce(u"b.png", u"Image introuvable : b.png");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Image introuvable : a.png\nImage introuvable : b.png\n");
    ResetWarnings();
    testing::internal::CaptureStderr();
    WarnOnce(u"a.png", u"again");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "again\n");
    ResetWarnings();
}
