// imagegen: draws every picture of the game's data folder.
//
//   imagegen OUT_DIR [--manifest FILE] [--write-manifest FILE] [--only TEXT] [--stamp FILE]
//
// Index: checks shared by every picture · rendering one picture · main.
#include "catalogue.h"
#include "png_writer.h"

#include <cairo.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

// ---- checks shared by every picture --------------------------------------------------------

void CommonChecks(const cat::Picture& p, cat::Checker& check) {
    const cat::Pixels& px = check.Px();
    check.Expect(px.AnyInk(0, 0, p.width, p.height), "the picture is empty");
    if (p.frames > 1) {
        int columns = p.width / p.frameW;
        check.Expect(columns * p.frameW == p.width, "the width is not a whole number of frames");
        check.Expect(((p.frames + columns - 1) / columns) * p.frameH == p.height,
                     "the height does not hold the frame rows");
        for (int f = 0; f < p.frames; ++f)
            check.Expect(
                px.AnyInk((f % columns) * p.frameW, (f / columns) * p.frameH, p.frameW, p.frameH),
                "frame " + std::to_string(f) + " is empty");
    }
}

// ---- rendering one picture -----------------------------------------------------------------

// Renders, checks and writes one picture; returns its failures.
std::vector<std::string> Render(const cat::Picture& p, const fs::path& outDir) {
    std::vector<std::string> failures;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width, p.height);
    cairo_t* cr = cairo_create(surface);
    p.draw(cr);
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
        failures.push_back(std::string("drawing failed: ") +
                           cairo_status_to_string(cairo_status(cr)));
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    if (cairo_image_surface_get_width(surface) != p.width ||
        cairo_image_surface_get_height(surface) != p.height)
        failures.push_back("the picture does not have its catalogue size");
    cat::Pixels px(cairo_image_surface_get_data(surface), p.width, p.height,
                   cairo_image_surface_get_stride(surface));
    cat::Checker check(px);
    CommonChecks(p, check);
    if (p.check)
        p.check(check);
    failures.insert(failures.end(), check.Failures().begin(), check.Failures().end());
    // A picture that breaks the catalogue is still written, so that it can be looked at.
    if (!imagefile::WriteRgba(outDir / p.name, surface))
        failures.push_back("cannot write " + (outDir / p.name).string());
    cairo_surface_destroy(surface);
    return failures;
}

std::string Manifest(const cat::PictureList& list) {
    std::vector<std::string> lines;
    for (const auto& p : list)
        lines.push_back(cat::ManifestLine(p));
    std::sort(lines.begin(), lines.end());
    std::ostringstream s;
    s << "# name width height frames layout  (layout: single, row, grid-WxH; frames row-major)\n";
    for (const auto& l : lines)
        s << l << "\n";
    return s.str();
}

int Usage() {
    std::cerr << "usage: imagegen OUT_DIR [--manifest FILE] [--write-manifest FILE] "
                 "[--only TEXT] [--stamp FILE]\n";
    return 2;
}

} // namespace

// ---- main ----------------------------------------------------------------------------------

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    fs::path outDir = argv[1];
    std::string manifestIn, manifestOut, only, stamp;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (i + 1 >= argc)
            return Usage();
        if (a == "--manifest")
            manifestIn = argv[++i];
        else if (a == "--write-manifest")
            manifestOut = argv[++i];
        else if (a == "--only")
            only = argv[++i];
        else if (a == "--stamp")
            stamp = argv[++i];
        else
            return Usage();
    }
    auto start = std::chrono::steady_clock::now();
    cat::PictureList list = cat::AllPictures();

    // The list itself must be the catalogue: right count, no name twice, signs from the praises.
    std::set<std::string> names;
    for (const auto& p : list) {
        if (!names.insert(p.name).second) {
            std::cerr << "imagegen: " << p.name << " is listed twice\n";
            return 1;
        }
    }
    if (list.size() != cat::kPictureCount) {
        std::cerr << "imagegen: " << list.size() << " pictures listed, the catalogue has "
                  << cat::kPictureCount << "\n";
        return 1;
    }
    std::string manifest = Manifest(list);
    if (!manifestOut.empty()) {
        std::ofstream(manifestOut) << manifest;
    }
    if (!manifestIn.empty()) {
        std::ifstream in(manifestIn);
        std::stringstream have;
        have << in.rdbuf();
        if (have.str() != manifest) {
            std::cerr << "imagegen: the pictures no longer match " << manifestIn
                      << " (regenerate it with --write-manifest and check the change)\n";
            return 1;
        }
    }

    std::error_code ec;
    fs::create_directories(outDir, ec);
    std::atomic<size_t> next{0};
    std::mutex mutex;
    std::vector<std::string> errors;
    size_t done = 0;
    auto work = [&] {
        for (size_t i = next++; i < list.size(); i = next++) {
            const auto& p = list[i];
            if (!only.empty() && p.name.find(only) == std::string::npos)
                continue;
            auto failures = Render(p, outDir);
            std::lock_guard lock(mutex);
            ++done;
            for (const auto& f : failures)
                errors.push_back(p.name + ": " + f);
        }
    };
    unsigned n = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < n; ++t)
        threads.emplace_back(work);
    for (auto& t : threads)
        t.join();

    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!errors.empty()) {
        std::sort(errors.begin(), errors.end());
        for (const auto& e : errors)
            std::cerr << "imagegen: " << e << "\n";
        std::cerr << "imagegen: " << errors.size() << " catalogue check(s) failed\n";
        return 1;
    }
    std::cout << "imagegen: " << done << " pictures written to " << outDir.string() << " in "
              << secs << " s\n";
    if (!stamp.empty())
        std::ofstream(stamp) << done << " pictures\n";
    return 0;
}
