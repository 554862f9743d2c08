// Capturing a rectangle of the frame and writing it as a 24-bit BMP file.
#include "puppets/bmp_file.h"

#include <algorithm>

#include "framework/frame_chain.h"
#include "platform/app.h"
#include "platform/files.h"
#include "platform/graphics.h"

namespace {

constexpr std::size_t TailleEntete = 54;

void Ecrit32(std::uint8_t* octets, std::size_t position, std::uint32_t valeur) {
    for (int i = 0; i < 4; ++i) {
        octets[position + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(valeur >> (8 * i));
    }
}

} // namespace

BmpFile::BmpFile() {
    // A 108 by 104 picture until the first capture: "BM", sizes, 24 bits, no compression,
    // 3779 pixels per metre.
    entete[0] = 'B';
    entete[1] = 'M';
    Ecrit32(entete.data(), 2, 33750);
    Ecrit32(entete.data(), 10, TailleEntete);
    Ecrit32(entete.data(), 14, 40);
    Ecrit32(entete.data(), 18, 108);
    Ecrit32(entete.data(), 22, 104);
    entete[26] = 1;
    entete[28] = 24;
    Ecrit32(entete.data(), 38, 3779);
    Ecrit32(entete.data(), 42, 3779);
}

bool BmpFile::Capture(int gauche, int haut, int largeurVoulue, int hauteurVoulue) {
    // Only what lies on the framebuffer can be read.
    const long long ecranL = platform::DeviceWidth();
    const long long ecranH = platform::DeviceHeight();
    const long long x0 = std::clamp<long long>(gauche, 0, ecranL);
    const long long y0 = std::clamp<long long>(haut, 0, ecranH);
    const long long x1 =
        std::clamp<long long>(static_cast<long long>(gauche) + largeurVoulue, x0, ecranL);
    const long long y1 =
        std::clamp<long long>(static_cast<long long>(haut) + hauteurVoulue, y0, ecranH);
    if (x1 <= x0 || y1 <= y0) {
        largeur = hauteur = tailleLigne = tailleFichier = 0;
        pixels.assign(1, 0);
        donnees.clear();
        return false;
    }
    largeur = static_cast<int>(x1 - x0);
    hauteur = static_cast<int>(y1 - y0);
    tailleLigne = (3 * largeur + 3) / 4 * 4;
    const std::size_t w = static_cast<std::size_t>(largeur);
    const std::size_t h = static_cast<std::size_t>(hauteur);

    // Bottom row first from the device; the array keeps the top row first.
    const std::vector<std::uint8_t> lu = platform::ReadPixels(
        static_cast<int>(x0), static_cast<int>(ecranH - y0 - hauteur), largeur, hauteur);
    pixels.assign(w * h, 0);
    if (lu.size() == w * h * 4) {
        for (std::size_t ligne = 0; ligne < h; ++ligne) {
            const std::uint8_t* o = &lu[(h - 1 - ligne) * w * 4];
            for (std::size_t c = 0; c < w; ++c, o += 4) {
                pixels[ligne * w + c] =
                    static_cast<std::uint32_t>(o[0]) | static_cast<std::uint32_t>(o[1]) << 8 |
                    static_cast<std::uint32_t>(o[2]) << 16 | static_cast<std::uint32_t>(o[3]) << 24;
            }
        }
    }

    const std::size_t taillePixels = h * static_cast<std::size_t>(tailleLigne);
    tailleFichier = static_cast<int>(TailleEntete + taillePixels);
    donnees.assign(TailleEntete + taillePixels, 0);
    std::copy(entete.begin(), entete.end(), donnees.begin());
    Ecrit32(donnees.data(), 2, static_cast<std::uint32_t>(tailleFichier));
    Ecrit32(donnees.data(), 18, static_cast<std::uint32_t>(largeur));
    Ecrit32(donnees.data(), 22, static_cast<std::uint32_t>(hauteur));
    Ecrit32(donnees.data(), 34, static_cast<std::uint32_t>(taillePixels));
    // The file stores the bottom row first.
    for (std::size_t ligne = 0; ligne < h; ++ligne) {
        std::uint8_t* sortie = &donnees[TailleEntete + (h - 1 - ligne) * tailleLigne];
        for (std::size_t c = 0; c < w; ++c) {
            const std::uint32_t v = pixels[ligne * w + c];
            sortie[3 * c] = static_cast<std::uint8_t>(v & 255);
            sortie[3 * c + 1] = static_cast<std::uint8_t>((v >> 8) & 255);
            sortie[3 * c + 2] = static_cast<std::uint8_t>((v >> 16) & 255);
        }
    }
    return true;
}

bool BmpFile::Sauve(const String& nom) const {
    if (donnees.empty()) {
        return false;
    }
    // The picture appears whole or not at all.
    return platform::ReplaceFileAtomically(dossierprofil + nom + u".bmp", donnees);
}
