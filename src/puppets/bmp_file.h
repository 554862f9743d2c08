#pragma once
// BmpFile: a rectangle of the frame being drawn, kept as an uncompressed 24-bit BMP picture and
// saved in the current profile's folder. The terrain playfield captures at the end of its own
// drawing, so the picture holds the room and its puppets without the widgets drawn later.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/text.h"

class BmpFile {
  public:
    // Size of the last capture in pixels, and bytes of one row in the file (padded to 4).
    int largeur = 0;
    int hauteur = 0;
    int tailleLigne = 0;
    // Row by row from the top of the rectangle: blue in the low byte, then green, red, alpha.
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(1);
    // The 54 bytes of the file header; the sizes are filled by each capture.
    std::array<std::uint8_t, 54> entete{};
    int tailleFichier = 0;
    // The whole file, none before a capture.
    std::vector<std::uint8_t> donnees;

    BmpFile();

    // Reads the rectangle (window pixels of the framebuffer, origin top left) back from the
    // frame being drawn. Only the part inside the framebuffer counts; false, and nothing kept,
    // when no pixel of it is.
    bool Capture(int gauche, int haut, int largeurVoulue, int hauteurVoulue);
    // Writes the last capture to dossierprofil + nom + ".bmp", replacing a file of that name.
    // False when there is no capture or the file could not be written.
    bool Sauve(const String& nom) const;
};
