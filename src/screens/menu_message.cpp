// The menus' message box.
#include "screens/menu_message.h"

#include <algorithm>

#include "framework/letterbox.h"
#include "framework/shared_assets.h"
#include "gui/message_box.h"
#include "platform/audio.h"

namespace {

// The message keeps clear of the panel's rounded sides; it starts below the title band.
constexpr float MargeMessage = 70;
constexpr float HautMessage = 142;
// The title may take two lines of the header band.
constexpr int LargeurTitre = 994;

void Active(MessageBox& boite, int status) {
    boite.SetStatus(status);
    boite.bouton1->SetStatus(status);
    boite.titre->SetStatus(status);
    boite.message->SetStatus(status);
}

} // namespace

std::shared_ptr<MessageBox> CreeMessageMenu(const std::shared_ptr<iPlayfield>& playfield) {
    auto boite = std::make_shared<MessageBox>();
    boite->New();
    boite->Create(CanvasWidth, CanvasHeight, false, playfield, u"message_large.png", fontoregano30,
                  u"Un message de MirelvanQuibs", u"D'accord", u"");
    boite->exclusive = true;
    boite->titre->SetWidth(LargeurTitre);
    boite->message->SetColor(20, 20, 20);
    boite->message->SetCentred(false);
    return boite;
}

void MontreMessage(MessageBox& boite, const String& texte) {
    auto& message = *boite.message;
    message.SetText(texte);
    message.SetWidth(boite.Width() - 2 * MargeMessage);
    // Measured now, on the new text and width.
    message.lines.reset();
    message.x = boite.x + MargeMessage;
    // A short text stands in the middle of the space above the button rather than against the
    // title band.
    const float haut = boite.y + HautMessage;
    const auto& bouton = *boite.bouton1;
    const float place = bouton.y - static_cast<float>(bouton.handleY) * bouton.scaleY - haut;
    message.y = haut + std::max(0.0f, (place - message.Height()) / 2);
    Active(boite, 1);
}

bool MessageAffiche(const MessageBox& boite) { return boite.status == 1; }

bool FermeMessage(MessageBox& boite) {
    auto& bouton = *boite.bouton1;
    if (bouton.Hit()) {
        if (sonpop1 && !sonpop1->samples.empty()) {
            platform::PlaySound(sonpop1, 3, 0);
        }
        bouton.bouncing = true;
        bouton.shrinking = true;
        bouton.bounceScale = 1.0f;
        return false;
    }
    if (!bouton.bouncing) {
        return false;
    }
    bouton.Bounce();
    if (bouton.shrinking || bouton.bounceScale <= 0.97f) {
        return false;
    }
    Active(boite, 0);
    return true;
}
