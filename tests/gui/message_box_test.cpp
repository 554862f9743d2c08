// The message box: hidden after Create, panel centred in the area, buttons centred at 50 % or
// at 35 % and 65 % of the panel width and 80 % of its height, and the message fitted to its text.
#include "fixture_png.h"
#include "gui/message_box.h"
#include "gui_fixture.h"

namespace {

class MessageBoxTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        const std::string folder = CaseFolder("gui-message-box").string();
        ASSERT_TRUE(WriteSolidPng(folder + "/message.png", 900, 400, 230, 230, 220));
        ASSERT_TRUE(WriteSolidPng(folder + "/petitbouton1a.png", 220, 44, 250, 250, 250));
        platform::SetDataFolder(platform::FromUtf8(folder));
        fontoregano48 = TestFont();
        fontoregano30 = TestFont();
    }

    std::shared_ptr<MessageBox> Build(bool twoButtons) {
        // The parts are left to Create, which makes those the owner has not.
        auto box = std::make_shared<MessageBox>();
        box->New();
        box->Create(1280, 768, twoButtons, playfield, u"message.png", fontoregano48,
                    u"Un message de MirelvanQuibs", u"OK", u"Annuler");
        return box;
    }

    // The centre of a button's drawn box.
    static std::pair<float, float> Centre(const iGuiButton2& button) {
        return {button.Left() + button.Width() * 0.5f, button.Top() + button.Height() * 0.5f};
    }
};

} // namespace

TEST_F(MessageBoxTest, NothingShowsOrAnswersAfterCreate) {
    auto box = Build(true);
    for (const iGuiObject* part :
         {static_cast<iGuiObject*>(box.get()), static_cast<iGuiObject*>(box->bouton1.get()),
          static_cast<iGuiObject*>(box->bouton2.get()), static_cast<iGuiObject*>(box->titre.get()),
          static_cast<iGuiObject*>(box->message.get())}) {
        EXPECT_EQ(part->status, 0);
    }
    EXPECT_EQ(playfield->CurrentPageList()->Count(), 5);

    Point(box->bouton1->x, box->bouton1->y);
    Press();
    EXPECT_FALSE(box->bouton1->Clicked(true));
    Frame();
    for (const auto& command : graphics.commands) {
        EXPECT_EQ(command.kind, platform::DrawCommand::Clear);
    }
}

TEST_F(MessageBoxTest, PanelAndButtonsArePlacedOnThePanel) {
    auto one = Build(false);
    EXPECT_FLOAT_EQ(one->x, 190);
    EXPECT_FLOAT_EQ(one->y, 184);
    EXPECT_EQ(one->bouton2, nullptr);
    auto [cx, cy] = Centre(*one->bouton1);
    EXPECT_FLOAT_EQ(cx, 190 + 450);
    EXPECT_FLOAT_EQ(cy, 184 + 320);
    EXPECT_FLOAT_EQ(one->bouton1->baseX, one->bouton1->x);
    EXPECT_FLOAT_EQ(one->bouton1->baseWidth, 220);
    EXPECT_FLOAT_EQ(one->titre->x, 210);
    EXPECT_FLOAT_EQ(one->titre->y, 221);
    EXPECT_EQ(one->titre->width, 800);

    auto two = Build(true);
    EXPECT_FLOAT_EQ(Centre(*two->bouton1).first, 190 + 315);
    EXPECT_FLOAT_EQ(Centre(*two->bouton2).first, 190 + 585);
    EXPECT_FLOAT_EQ(Centre(*two->bouton2).second, 184 + 320);
    EXPECT_EQ(two->bouton2->text, u"Annuler");
    // The caption is centred on the picture.
    EXPECT_FLOAT_EQ(two->bouton1->textX, 110 - 10);
}

TEST_F(MessageBoxTest, FitToTextKeepsTheMessageOnOneLineCentredOnThePanel) {
    auto box = Build(true);
    EXPECT_EQ(box->message->text, u"Et voilà\u00A0!");
    box->message->SetText(u"Souhaitez-vous vraiment effacer ce profil?");
    box->message->scaleX = 3;
    box->FitToText();
    // 42 glyphs of 10, measured at scale 1, plus 20.
    EXPECT_EQ(box->message->width, 440);
    EXPECT_FLOAT_EQ(box->message->x, 190 + 450 - 220);
    EXPECT_FLOAT_EQ(box->message->y, 184 + 142);
    EXPECT_FLOAT_EQ(box->message->red, 20);

    box->message->SetStatus(1);
    Step();
    ASSERT_EQ(box->message->lines->size(), 1u);
}
