// The message box.
#include "gui/message_box.h"

#include <cmath>

#include "framework/bitmap_font.h"
#include "framework/playfield.h"
#include "framework/shared_assets.h"

namespace {

template <class T> std::shared_ptr<T> Made(std::shared_ptr<T>& part) {
    if (!part) {
        part = std::make_shared<T>();
        part->New();
    }
    return part;
}

} // namespace

void MessageBox::Create(float areaWidth, float areaHeight, bool twoButtons,
                        const std::shared_ptr<iPlayfield>& target, const String& imageName,
                        const std::shared_ptr<iBitmapFont>& messageFont, const String& title,
                        const String& caption1, const String& caption2) {
    Made(titre);
    Made(message);
    Made(bouton1);
    if (twoButtons) {
        Made(bouton2);
    }

    LoadImage(imageName);
    SetHandle(0, 0);
    SetStatus(1);
    x = areaWidth * 0.5f - Width() * 0.5f;
    y = areaHeight * 0.5f - Height() * 0.5f;
    SetColor(255, 255, 255);
    SetMouseOverColor(255, 255, 255);
    SetPlayfield(target);

    titre->SetHandle(0, 0);
    titre->SetFont(fontoregano48);
    titre->SetText(title);
    titre->x = x + 20;
    titre->y = y + 37;
    titre->SetWidth(800);
    titre->SetColor(240, 240, 240);
    titre->SetCentred(false);
    titre->SetPlayfield(target);

    message->SetHandle(0, 0);
    message->SetFont(messageFont);
    message->SetText(u"Et voilà\u00A0!");
    FitToText();
    message->SetPlayfield(target);

    PlaceButton(*bouton1, twoButtons ? 35 : 50, target, caption1);
    if (twoButtons) {
        PlaceButton(*bouton2, 65, target, caption2);
    }

    // Nothing shows until the owner activates the box.
    SetStatus(0);
    bouton1->SetStatus(0);
    if (twoButtons) {
        bouton2->SetStatus(0);
    }
    titre->SetStatus(0);
    message->SetStatus(0);
}

void MessageBox::PlaceButton(iGuiButton2& button, int percentX,
                             const std::shared_ptr<iPlayfield>& target, const String& caption) {
    button.LoadImage(u"petitbouton1a.png");
    button.MidHandle();
    const float centreX = x + Width() * static_cast<float>(percentX) / 100.0f;
    const float centreY = y + Height() * 80.0f / 100.0f;
    button.x = centreX - button.Width() * 0.5f + static_cast<float>(button.handleX) * button.scaleX;
    button.y =
        centreY - button.Height() * 0.5f + static_cast<float>(button.handleY) * button.scaleY;
    button.SetPlayfield(target);
    button.SetText(caption);
    button.baseX = button.x;
    button.baseWidth = button.Width();
    button.SetFont(fontoregano30);
    button.SetTextRed(38);
    button.SetTextGreen(55);
    button.SetTextBlue(38);
    button.SetTextMouseOverRed(48);
    button.SetTextMouseOverGreen(65);
    button.SetTextMouseOverBlue(48);
    button.CenterText(0, 0);
}

int MessageBox::FitToText() {
    if (!message) {
        return 0;
    }
    const float textWidth =
        message->font ? message->font->TextWidth(message->GetText(), 1.0f) : 0.0f;
    message->SetWidth(std::trunc(textWidth + 20));
    message->SetColor(20, 20, 20);
    message->SetCentred(false);
    message->x = x + Width() * 0.5f - message->Width() * 0.5f;
    message->y = y + 142;
    return 0;
}
