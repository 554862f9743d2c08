#pragma once
// Shared by the data-folder tests: where the generated data lives and whether it was built.
#include <filesystem>
#include <string>

namespace assets_test {

inline std::filesystem::path DataFolder() { return MQ_TEST_DATA_DIR; }

// The build makes the folder even when the generators are off, so "built" means it holds
// at least one file the generators write.
inline bool DataBuilt() {
    std::error_code error;
    for (const char* probe : {"pop1.wav", "fonts_oregano_30.txt", "sliderv.txt", "sol.png"})
        if (std::filesystem::is_regular_file(DataFolder() / probe, error))
            return true;
    return false;
}

inline constexpr const char* NotBuilt =
    "the data folder " MQ_TEST_DATA_DIR " holds no generated assets: configure with "
    "-DMQ_BUILD_ASSETS=ON and build the mq_data target first";

} // namespace assets_test
