#pragma once
// Picture files for the widget tests, written by the tests themselves.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/case_folder.h"

// A solid w by h PNG at the path; false when it cannot be written.
bool WriteSolidPng(const std::string& path, int w, int h, std::uint8_t r, std::uint8_t g,
                   std::uint8_t b);
// Straight RGBA rows, top first.
bool WritePng(const std::string& path, int w, int h, const std::vector<std::uint8_t>& rgba);
