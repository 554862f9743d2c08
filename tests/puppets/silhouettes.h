#pragma once
// Where the opaque pixels of a sprite land on screen as it is drawn now: the picture's own
// pixels, carried through the corners that the recording device records for the sprite's draw.
// What a child sees of a hand, a hat or a piece of furniture, rather than the picture's frame.
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/graphics.h"
#include "puppets/animal.h"
#include "puppets/pantin.h"
#include "puppets/sprite.h"

// A screen rectangle; empty until a point is added.
struct Boite {
    float gauche = std::numeric_limits<float>::infinity();
    float haut = std::numeric_limits<float>::infinity();
    float droite = -std::numeric_limits<float>::infinity();
    float bas = -std::numeric_limits<float>::infinity();

    bool Vide() const { return droite < gauche; }
    void Ajoute(float x, float y) {
        gauche = std::min(gauche, x);
        droite = std::max(droite, x);
        haut = std::min(haut, y);
        bas = std::max(bas, y);
    }
    void Ajoute(const Boite& b) {
        if (!b.Vide()) {
            Ajoute(b.gauche, b.haut);
            Ajoute(b.droite, b.bas);
        }
    }
    // Overlapping by more than `tolerance` pixels both ways.
    bool Croise(const Boite& b, float tolerance = 0) const {
        return !Vide() && !b.Vide() &&
               std::min(droite, b.droite) - std::max(gauche, b.gauche) > tolerance &&
               std::min(bas, b.bas) - std::max(haut, b.haut) > tolerance;
    }
};

class Silhouettes {
  public:
    explicit Silhouettes(platform::RecordingGraphics& graphics) : graphics_(graphics) {}

    // The screen pixels whose centre shows an opaque pixel of the sprite (each screen pixel is
    // looked up in the picture, so a stretched picture leaves no holes); none for a sprite that
    // draws nothing. Only those within `dans`, when it is given.
    std::set<std::pair<int, int>> Pixels(const iSprite& sprite, const Boite* dans = nullptr) {
        std::set<std::pair<int, int>> ecran;
        const platform::Image* image = nullptr;
        const auto q = Coins(sprite, image);
        if (q.size() < 8) {
            return ecran;
        }
        const platform::FrameRect& rect = image->Frame(frame_);
        const Masque& m = MasqueDe(*image, frame_);
        // Screen = q0 + a (q1 - q0) + c (q3 - q0), solved for a and c.
        const float ux = q[2] - q[0], uy = q[3] - q[1], vx = q[6] - q[0], vy = q[7] - q[1];
        const float det = ux * vy - uy * vx;
        if (det == 0 || m.droite < m.gauche) {
            return ecran;
        }
        Boite b;
        for (std::size_t i = 0; i < 8; i += 2) {
            b.Ajoute(q[i], q[i + 1]);
        }
        if (dans) {
            b.gauche = std::max(b.gauche, dans->gauche);
            b.haut = std::max(b.haut, dans->haut);
            b.droite = std::min(b.droite, dans->droite);
            b.bas = std::min(b.bas, dans->bas);
        }
        for (int y = static_cast<int>(std::floor(b.haut)); y <= static_cast<int>(b.bas); ++y) {
            for (int x = static_cast<int>(std::floor(b.gauche)); x <= static_cast<int>(b.droite);
                 ++x) {
                const float dx = static_cast<float>(x) + 0.5f - q[0];
                const float dy = static_cast<float>(y) + 0.5f - q[1];
                const float a = (dx * vy - dy * vx) / det;
                const float c = (ux * dy - uy * dx) / det;
                const int u = static_cast<int>(std::floor(a * static_cast<float>(rect.w)));
                const int v = static_cast<int>(std::floor(c * static_cast<float>(rect.h)));
                if (u >= 0 && v >= 0 && u < rect.w && v < rect.h &&
                    m.opaque[static_cast<std::size_t>(v * rect.w + u)]) {
                    ecran.insert({x, y});
                }
            }
        }
        return ecran;
    }

    // The screen box of the sprite's opaque pixels (of their box in the picture, turned with the
    // sprite: a little larger than the pixels when the sprite is turned).
    Boite BoiteDe(const iSprite& sprite) {
        Boite b;
        const platform::Image* image = nullptr;
        const auto q = Coins(sprite, image);
        if (q.size() < 8) {
            return b;
        }
        const platform::FrameRect& rect = image->Frame(frame_);
        const Masque& m = MasqueDe(*image, frame_);
        if (m.droite < m.gauche) {
            return b;
        }
        for (int u : {m.gauche, m.droite + 1}) {
            for (int v : {m.haut, m.bas + 1}) {
                const float a = static_cast<float>(u) / static_cast<float>(rect.w);
                const float c = static_cast<float>(v) / static_cast<float>(rect.h);
                b.Ajoute(q[0] + a * (q[2] - q[0]) + c * (q[6] - q[0]),
                         q[1] + a * (q[3] - q[1]) + c * (q[7] - q[1]));
            }
        }
        return b;
    }

    // Which of `sprites` shows on top at each screen pixel once `dessine` has drawn a frame: each
    // of the frame's draws is known by its picture and its corners, so that two puppets of one
    // body are told apart. Only within `dans`, when it is given.
    std::map<std::pair<int, int>, const iSprite*> Dessus(const std::function<void()>& dessine,
                                                         const std::vector<const iSprite*>& sprites,
                                                         const Boite* dans = nullptr) {
        NouvelleImage();
        dessine();
        const std::vector<platform::DrawCommand> ordre = graphics_.commands;
        std::vector<platform::DrawCommand> traces;
        for (const iSprite* s : sprites) {
            NouvelleImage();
            if (s) {
                s->Draw();
            }
            traces.push_back(graphics_.commands.empty() ? platform::DrawCommand{}
                                                        : graphics_.commands.back());
        }
        std::map<std::pair<int, int>, const iSprite*> haut;
        for (const auto& c : ordre) {
            for (std::size_t i = 0; i < sprites.size(); ++i) {
                const auto& t = traces[i];
                if (!sprites[i] || c.kind != platform::DrawCommand::ImageDraw ||
                    t.image != c.image || t.frame != c.frame ||
                    t.points.size() != c.points.size() ||
                    !std::equal(t.points.begin(), t.points.end(), c.points.begin(),
                                [](float a, float b) { return std::fabs(a - b) < 0.01f; })) {
                    continue;
                }
                for (const auto& point : Pixels(*sprites[i], dans)) {
                    haut[point] = sprites[i];
                }
            }
        }
        return haut;
    }

  private:
    void NouvelleImage() {
        graphics_.BeginFrame(graphics_.DeviceWidth() > 0 ? graphics_.DeviceWidth() : 1280,
                             graphics_.DeviceHeight() > 0 ? graphics_.DeviceHeight() : 768);
    }

    // Which pixels of one frame are opaque, and their box in the picture.
    struct Masque {
        std::vector<bool> opaque;
        int gauche = 0, haut = 0, droite = -1, bas = -1;
    };

    // The corners the device records for the sprite's draw, and the picture it drew.
    std::vector<float> Coins(const iSprite& sprite, const platform::Image*& image) {
        if (sprite.Images().empty()) {
            return {};
        }
        image =
            sprite.Images()[static_cast<std::size_t>(sprite.ImageIndex()) % sprite.Images().size()]
                .get();
        NouvelleImage();
        sprite.Draw();
        if (!image || graphics_.commands.empty()) {
            return {};
        }
        frame_ = graphics_.commands.back().frame;
        return graphics_.commands.back().points;
    }

    const Masque& MasqueDe(const platform::Image& image, int frame) {
        const auto cle = std::pair{image.GetSurface().get(), frame};
        if (const auto it = masques_.find(cle); it != masques_.end()) {
            return it->second;
        }
        Masque& m = masques_[cle];
        platform::Surface& s = *image.GetSurface();
        if (!platform::EnsurePixels(s)) {
            return m;
        }
        const platform::FrameRect& r = image.Frame(frame);
        m.opaque.assign(static_cast<std::size_t>(r.w * r.h), false);
        m.gauche = r.w;
        m.haut = r.h;
        for (int v = 0; v < r.h && r.y + v < s.height; ++v) {
            for (int u = 0; u < r.w && r.x + u < s.width; ++u) {
                const std::size_t i =
                    (static_cast<std::size_t>(r.y + v) * static_cast<std::size_t>(s.width) +
                     static_cast<std::size_t>(r.x + u)) *
                        4 +
                    3;
                if (s.rgba[i] >= 128) {
                    m.opaque[static_cast<std::size_t>(v * r.w + u)] = true;
                    m.gauche = std::min(m.gauche, u);
                    m.droite = std::max(m.droite, u);
                    m.haut = std::min(m.haut, v);
                    m.bas = std::max(m.bas, v);
                }
            }
        }
        return m;
    }

    platform::RecordingGraphics& graphics_;
    int frame_ = 0;
    std::map<std::pair<const platform::Surface*, int>, Masque> masques_;
};

// What a puppet shows of itself and of what its sentence gives it: its parts, its props, its
// table and object, its unicycle and, unless they are left out, its animals (which walk).
inline std::vector<const iSprite*> Montre(const Pantin& p, bool animaux) {
    std::vector<const iSprite*> s = {p.buste.get(),      p.tete.get(),       p.cheveux.get(),
                                     p.brasDroit.get(),  p.brasGauche.get(), p.mainDroite.get(),
                                     p.mainGauche.get(), p.jambe1.get(),     p.jambe2.get()};
    // As the drawing shows them.
    const auto si = [&s](bool montre, const auto& sprite) {
        if (montre) {
            s.push_back(sprite.get());
        }
    };
    si(p.avecChapeau, p.chapeau);
    si(p.objetUneMainTenu || (p.objetEnVol && !p.objetArrive), p.objetUneMain);
    si(p.objetDeuxMainsTenu || p.penche, p.objetDeuxMains);
    si(p.avecGuitare, p.guitare);
    si(p.AAction(CodeAction::Pedaler), p.monocycle);
    si(p.objetPose, p.table);
    si(p.objetPose, p.objetSurTable);
    for (const Animal* a : {p.animalPromene ? p.animal1.get() : nullptr,
                            p.animalRegarde ? p.animal2.get() : nullptr}) {
        if (a && animaux) {
            for (const iSprite* part : {static_cast<const iSprite*>(a->ventre.get()),
                                        static_cast<const iSprite*>(a->tete.get()),
                                        static_cast<const iSprite*>(a->queue.get()),
                                        static_cast<const iSprite*>(a->patte1.get()),
                                        static_cast<const iSprite*>(a->patte2.get()),
                                        static_cast<const iSprite*>(a->patte3.get()),
                                        static_cast<const iSprite*>(a->patte4.get()),
                                        static_cast<const iSprite*>(a->visage.get())}) {
                s.push_back(part);
            }
        }
    }
    std::erase(s, nullptr);
    return s;
}

// Whether the puppet walks, runs, rides or chases (or is chased) out of the room, from its codes
// at the start (a chase clears them at its end).
inline bool Voyage(const Pantin& p) {
    using namespace CodeAction;
    for (int code : p.actionsDepart) {
        if (code == Marcher || code == Courir || code == Pedaler || code == Promener ||
            code == Poursuivre) {
            return true;
        }
    }
    return p.poursuivi;
}

// The share of the screen pixels of `zone`, one of a puppet's parts, that show one of `dessus` on
// top once `dessine` has drawn the frame; the puppet's head, body, arms, hands and what it holds
// are drawn in their places.
inline float PartSous(Silhouettes& silhouettes, const Pantin& p,
                      const std::function<void()>& dessine, const iSprite& zone,
                      const std::vector<const iSprite*>& dessus) {
    const std::vector<const iSprite*> autour = {
        p.buste.get(),      p.tete.get(),         p.cheveux.get(),       p.chapeau.get(),
        p.visage.get(),     p.brasDroit.get(),    p.mainDroite.get(),    p.brasGauche.get(),
        p.mainGauche.get(), p.objetUneMain.get(), p.objetDeuxMains.get()};
    const Boite boite = silhouettes.BoiteDe(zone);
    const auto haut = silhouettes.Dessus(dessine, autour, &boite);
    const auto pixels = silhouettes.Pixels(zone);
    int sous = 0;
    for (const auto& point : pixels) {
        const auto it = haut.find(point);
        sous += it != haut.end() && std::ranges::find(dessus, it->second) != dessus.end();
    }
    return pixels.empty() ? 0.0f : static_cast<float>(sous) / static_cast<float>(pixels.size());
}

// The share of a puppet's own face (eyes, brows, nose and mouth) under one of its arms or hands,
// or a thing it holds.
inline float VisageCache(Silhouettes& silhouettes, const Pantin& p,
                         const std::function<void()>& dessine) {
    return PartSous(silhouettes, p, dessine, *p.visage,
                    {p.brasDroit.get(), p.mainDroite.get(), p.brasGauche.get(), p.mainGauche.get(),
                     p.objetUneMain.get(), p.objetDeuxMains.get()});
}
