#pragma once
// Small files the framework tests write for themselves under the build's test-output folder:
// text files and PNG pictures made of white rectangles on a transparent ground.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/case_folder.h"
#include "platform/text.h"

namespace fixture {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

// Writes the bytes as they are (no line-end conversion).
void WriteText(const std::filesystem::path& file, const std::string& bytes);
// A w x h picture, transparent except for the white boxes; folders are created as needed.
void WritePng(const std::filesystem::path& file, int w, int h, const std::vector<Box>& boxes);
String ToString(const std::filesystem::path& file);
// WriteText into folder/name, giving the file's path.
String WriteFile(const std::filesystem::path& folder, const std::string& name,
                 const std::string& bytes);

} // namespace fixture
