// Files: folders (1), whole files (2), streams (3), byte buffers (4), directories (5),
// atomic replacement (6).
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace platform {

namespace {

String& DataFolderOverride() {
    static String folder;
    return folder;
}

std::string Native(const String& path) { return ToUtf8(ResolveDataPath(path)); }

String ExecutableFolder() {
    std::string buffer(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) {
        return u".";
    }
    buffer.resize(static_cast<std::size_t>(n));
    const auto slash = buffer.rfind('/');
    if (slash == std::string::npos) {
        return u".";
    }
    return FromUtf8(buffer.substr(0, slash));
}

} // namespace

// ---- 1. Folders -------------------------------------------------------------------------

String DataFolder() {
    if (!DataFolderOverride().empty()) {
        return DataFolderOverride();
    }
    if (const char* env = std::getenv("MQ_DATA_DIR"); env != nullptr && *env != '\0') {
        return FromUtf8(env);
    }
    return ExecutableFolder() + u"/data";
}

void SetDataFolder(const String& folder) { DataFolderOverride() = folder; }

String ResolveDataPath(const String& path) {
    if (path.empty() || path[0] == u'/') {
        return path;
    }
    return DataFolder() + u"/" + path;
}

bool IsInDataFolder(const String& path) {
    if (path.empty() || path[0] == u'/') {
        return false;
    }
    for (const String& step : Split(Replace(path, u"\\", u"/"), u"/")) {
        if (step == u"..") {
            return false;
        }
    }
    return true;
}

String GetEnv(const String& name) {
    const std::string key = ToUtf8(name);
    if (const char* value = std::getenv(key.c_str()); value != nullptr && *value != '\0') {
        return FromUtf8(value);
    }
    if (name != u"USERPROFILE") {
        return u"";
    }
    // Linux has no USERPROFILE. Without HOME either, an empty value would put the game folder
    // at the root of the file system; the current folder is the safe choice then.
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return FromUtf8(home);
    }
    std::string cwd(4096, '\0');
    if (getcwd(cwd.data(), cwd.size()) != nullptr) {
        return FromUtf8(cwd.c_str());
    }
    return u".";
}

String GameFolder() { return GetEnv(u"USERPROFILE") + u"/Documents/" + GameFolderName + u"/"; }

// ---- 2. Whole files ---------------------------------------------------------------------

bool LoadBytes(const String& path, std::vector<std::uint8_t>& bytes, std::size_t limit) {
    bytes.clear();
    if (path.empty()) {
        return false;
    }
    std::FILE* file = std::fopen(Native(path).c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    struct stat info {};
    bool ok = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::uintmax_t>(info.st_size) <= limit;
    std::uint8_t chunk[65536];
    while (ok) {
        const std::size_t n = std::fread(chunk, 1, sizeof chunk, file);
        bytes.insert(bytes.end(), chunk, chunk + n);
        // A file that grows while it is read is held to the limit too.
        if (bytes.size() > limit) {
            ok = false;
        } else if (n < sizeof chunk) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    if (!ok) {
        bytes.clear();
    }
    return ok;
}

String LoadString(const String& path, std::size_t limit) {
    std::vector<std::uint8_t> bytes;
    if (!LoadBytes(path, bytes, limit)) {
        return u"";
    }
    return FromUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// ---- 3. Streams -------------------------------------------------------------------------

std::unique_ptr<FileStream> FileStream::Open(const String& path, const String& mode) {
    if (path.empty()) {
        return nullptr;
    }
    const std::string name = Native(path);
    std::FILE* file = nullptr;
    if (mode == u"r") {
        file = std::fopen(name.c_str(), "rb");
    } else if (mode == u"w") {
        file = std::fopen(name.c_str(), "wb");
    } else if (mode == u"a") {
        // Read and write, created when missing, positioned at the end.
        file = std::fopen(name.c_str(), "r+b");
        if (file == nullptr && errno == ENOENT) {
            file = std::fopen(name.c_str(), "w+b");
        }
        if (file != nullptr && std::fseek(file, 0, SEEK_END) != 0) {
            std::fclose(file);
            file = nullptr;
        }
    }
    if (file == nullptr) {
        return nullptr;
    }
    // A folder opens as a FILE on Linux; it is not a file to read or write.
    struct stat info {};
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<FileStream>(new FileStream(file));
}

FileStream::~FileStream() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool FileStream::Switch(Op op) {
    if (file_ == nullptr) {
        return false;
    }
    if (last_ != Op::None && last_ != op && std::fseek(file_, 0, SEEK_CUR) != 0) {
        return false;
    }
    last_ = op;
    return true;
}

bool FileStream::ReadInt(std::int32_t& value) {
    std::uint8_t b[4];
    if (!Switch(Op::Read) || std::fread(b, 1, 4, file_) != 4) {
        return false;
    }
    value = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
    return true;
}

bool FileStream::WriteInt(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                               static_cast<std::uint8_t>(v >> 16),
                               static_cast<std::uint8_t>(v >> 24)};
    return WriteBytes(b, 4);
}

String FileStream::ReadString() {
    if (!Switch(Op::Read)) {
        return u"";
    }
    std::string bytes;
    char chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file_)) > 0) {
        bytes.append(chunk, n);
    }
    return FromUtf8(bytes);
}

bool FileStream::WriteString(const String& text) {
    const std::string bytes = ToUtf8(text);
    return WriteBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

bool FileStream::WriteBytes(const std::uint8_t* bytes, std::size_t count) {
    if (!Switch(Op::Write)) {
        return false;
    }
    if (count > 0 && std::fwrite(bytes, 1, count, file_) != count) {
        failed_ = true;
        return false;
    }
    return true;
}

bool FileStream::Eof() {
    if (!Switch(Op::Read)) {
        return true;
    }
    const int c = std::fgetc(file_);
    if (c == EOF) {
        return true;
    }
    std::ungetc(c, file_);
    return false;
}

bool FileStream::Close() {
    if (file_ == nullptr) {
        return false;
    }
    const bool flushed = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return flushed && closed && !failed_;
}

// ---- 4. Byte buffers --------------------------------------------------------------------

// Pokes past the end are ignored rather than writing outside the buffer.
void DataBuffer::PokeByte(std::size_t offset, int value) {
    if (offset < bytes_.size()) {
        bytes_[offset] = static_cast<std::uint8_t>(value);
    }
}

void DataBuffer::PokeShort(std::size_t offset, int value) {
    const auto v = static_cast<std::uint32_t>(value);
    PokeByte(offset, static_cast<int>(v & 0xFF));
    PokeByte(offset + 1, static_cast<int>((v >> 8) & 0xFF));
}

void DataBuffer::PokeInt(std::size_t offset, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        PokeByte(offset + i, static_cast<int>((v >> (8 * i)) & 0xFF));
    }
}

// ---- 5. Directories ---------------------------------------------------------------------

std::vector<String> LoadDir(const String& path) {
    std::vector<String> names;
    if (path.empty()) {
        return names;
    }
    DIR* dir = opendir(Native(path).c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.') {
            names.push_back(FromUtf8(entry->d_name));
        }
    }
    closedir(dir);
    // By unit after case folding, so that the order does not depend on the file system.
    std::sort(names.begin(), names.end(), [](const String& a, const String& b) {
        const String la = ToLower(a);
        const String lb = ToLower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

int FileType(const String& path) {
    struct stat info {};
    if (path.empty() || stat(Native(path).c_str(), &info) != 0) {
        return 0;
    }
    if (S_ISDIR(info.st_mode)) {
        return 2;
    }
    return S_ISREG(info.st_mode) ? 1 : 0;
}

bool IsRealFolder(const String& path) {
    std::string full = Native(path);
    // "link/" would name what the link points to.
    while (full.size() > 1 && full.back() == '/') {
        full.pop_back();
    }
    struct stat info {};
    return !full.empty() && lstat(full.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateDir(const String& path) {
    if (path.empty()) {
        return false;
    }
    const std::string full = Native(path);
    // Each level in turn; empty levels ("//") are skipped.
    std::string sofar = full[0] == '/' ? "/" : "";
    std::size_t start = 0;
    while (start <= full.size()) {
        std::size_t end = full.find('/', start);
        if (end == std::string::npos) {
            end = full.size();
        }
        if (end > start) {
            if (!sofar.empty() && sofar.back() != '/') {
                sofar += '/';
            }
            sofar += full.substr(start, end - start);
            if (mkdir(sofar.c_str(), 0777) != 0 && errno != EEXIST) {
                return false;
            }
        }
        start = end + 1;
    }
    struct stat info {};
    return stat(full.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

namespace {

// Empties the folder open as `fd` (which this call closes). Entries are handled through the
// folder's descriptor and never followed when they are symbolic links, so nothing outside
// the folder can be reached.
bool EmptyFolder(int fd) {
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        close(fd);
        return false;
    }
    bool ok = true;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    for (const std::string& name : names) {
        struct stat info {};
        if (fstatat(fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = false;
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            const int child =
                openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0 || !EmptyFolder(child) || unlinkat(fd, name.c_str(), AT_REMOVEDIR) != 0) {
                ok = false;
            }
        } else if (unlinkat(fd, name.c_str(), 0) != 0) {
            ok = false;
        }
    }
    closedir(dir);
    return ok;
}

} // namespace

bool DeleteDir(const String& path) {
    if (path.empty()) {
        return false;
    }
    const std::string full = Native(path);
    struct stat info {};
    if (lstat(full.c_str(), &info) != 0) {
        return false;
    }
    // A link named as the folder goes, not what it points to.
    if (!S_ISDIR(info.st_mode)) {
        return S_ISLNK(info.st_mode) && unlink(full.c_str()) == 0;
    }
    const int fd = open(full.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool emptied = EmptyFolder(fd);
    return rmdir(full.c_str()) == 0 && emptied;
}

bool DeleteFile(const String& path) {
    if (path.empty()) {
        return false;
    }
    const std::string full = Native(path);
    struct stat info {};
    if (lstat(full.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return false;
    }
    return unlink(full.c_str()) == 0;
}

// ---- 6. Atomic replacement --------------------------------------------------------------

bool ReplaceFileAtomically(const String& path, const std::vector<std::uint8_t>& bytes) {
    if (path.empty()) {
        return false;
    }
    const std::string target = Native(path);
    // The temporary file sits in the target's folder so that the rename never crosses file
    // systems; a crash then leaves either the old file or the new one, never half of it.
    std::string temp = target + ".tmp-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    // The rename itself is made durable with the folder.
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

} // namespace platform
