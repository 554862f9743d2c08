// Checks hand-written configuration files and copies them into the data folder.
//
//   mq_textcheck DATA_FOLDER FILE...
//
// The game's configuration reader cuts every line at its first apostrophe and at its first
// "//", so a value written after either would be lost without a word. A data line (any line
// that is not empty and not wholly a comment) must therefore hold neither, and must read
// "key = value". Any fault stops the build and names the file and line.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::string Trim(const std::string& line) {
    size_t first = 0;
    size_t last = line.size();
    // The reader trims every code of 32 and below, carriage returns and tabs included.
    while (first < last && static_cast<unsigned char>(line[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(line[last - 1]) <= 32)
        --last;
    return line.substr(first, last - first);
}

// Empty when the text is fine, else the first fault with its line number.
std::string FirstFault(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        std::string kept = Trim(line);
        if (kept.empty() || kept.rfind("//", 0) == 0 || kept[0] == '\'')
            continue;
        std::string where = "line " + std::to_string(number) + ": ";
        if (kept.find('\'') != std::string::npos)
            return where + "apostrophe on a data line";
        if (kept.find("//") != std::string::npos)
            return where + "\"//\" on a data line";
        size_t equals = kept.find('=');
        if (equals == std::string::npos || Trim(kept.substr(0, equals)).empty())
            return where + "not a \"key = value\" line";
    }
    return "";
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mq_textcheck DATA_FOLDER FILE...\n");
        return 1;
    }
    const std::string folder = argv[1];
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "mq_textcheck: cannot read %s\n", argv[i]);
            return 1;
        }
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string fault = FirstFault(text);
        if (!fault.empty()) {
            std::fprintf(stderr, "mq_textcheck: %s: %s\n", argv[i], fault.c_str());
            return 1;
        }
        std::string target = folder + "/" + BaseName(argv[i]);
        std::ofstream out(target, std::ios::binary);
        out << text;
        out.close();
        if (!out) {
            std::fprintf(stderr, "mq_textcheck: cannot write %s\n", target.c_str());
            return 1;
        }
    }
    return 0;
}
