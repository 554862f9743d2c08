#pragma once
// The two ways a write of the game fails on a parent's machine, made real in a test process,
// also when the tests run as root (as in CI), whom write permissions stop nothing:
//   FullDisk: every file stops growing at a size (RLIMIT_FSIZE), as on a disk that fills up
//             in the middle of a write; the write then fails with EFBIG.
//   ReadOnlyFolder: the folder loses its write bits; for root, the calls made while the guard
//             lives run with the effective user "nobody", to whom the permissions apply. What
//             `stillWritable` names is handed to that user, so that the folder alone refuses.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <utility>
#include <vector>

class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before_);
        const rlimit small{bytes, before_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &before_); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit before_{};
};

class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder,
                            const std::vector<std::filesystem::path>& stillWritable = {})
        : folder_(folder), root_(geteuid() == 0) {
        namespace fs = std::filesystem;
        if (root_) {
            // "nobody" must reach the folder through the test's temporary ones (mkdtemp makes
            // them 0700). Root's groups stay, so the group's bits apply where root's group owns.
            const auto through = fs::perms::group_exec | fs::perms::others_exec;
            for (fs::path up = folder_.parent_path(); up != up.root_path(); up = up.parent_path()) {
                if ((fs::status(up).permissions() & through) != through) {
                    opened_.emplace_back(up, fs::status(up).permissions());
                    fs::permissions(up, through, fs::perm_options::add);
                }
            }
            for (const fs::path& path : stillWritable) {
                Give(path);
                for (const auto& entry : fs::recursive_directory_iterator(path)) {
                    Give(entry.path());
                }
            }
        }
        fs::permissions(folder_, fs::perms::owner_write | fs::perms::group_write |
                                     fs::perms::others_write,
                        fs::perm_options::remove);
        if (root_ && seteuid(Nobody) != 0) {
            root_ = false;
        }
    }
    ~ReadOnlyFolder() {
        if (root_) {
            seteuid(0);
        }
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        for (const auto& [path, perms] : opened_) {
            std::filesystem::permissions(path, perms);
        }
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    static constexpr uid_t Nobody = 65534;
    static void Give(const std::filesystem::path& path) {
        if (lchown(path.c_str(), Nobody, static_cast<gid_t>(-1)) != 0) {
            ADD_FAILURE() << "cannot hand " << path << " to nobody";
        }
    }

    std::filesystem::path folder_;
    bool root_;
    std::vector<std::pair<std::filesystem::path, std::filesystem::perms>> opened_;
};
