// Files: folders (1), whole files (2), streams (3), byte buffers (4), directories (5),
// atomic replacement (6).
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/diag.h"

namespace platform {

bool IsEscapedByte(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

namespace {

String& DataFolderOverride() {
    static String folder;
    return folder;
}

// File names are bytes. A name read from a folder that is not UTF-8 (a Latin-1 "é", a leading
// byte-order mark) keeps every byte: each one that is not part of a UTF-8 character comes in
// as one unit of U+DC80..U+DCFF and goes back out as that byte, so the name still leads to the
// folder it was read from and never to another one that only looks the same.
constexpr char16_t EscapeBase = 0xDC00;

String FromNative(std::string_view bytes) {
    String out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t cp = 0;
        const std::size_t len = Utf8CharacterAt(bytes, i, cp);
        if (len == 0) {
            out.push_back(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            AppendUtf16(out, cp);
            i += len;
        }
    }
    return out;
}

std::string ToNative(const String& path) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsEscapedByte(path[i])) {
            out += ToUtf8(path.substr(start, i - start));
            if (i < path.size()) {
                out.push_back(static_cast<char>(path[i] - EscapeBase));
            }
            start = i + 1;
        }
    }
    return out;
}

std::string Native(const String& path) { return ToNative(ResolveDataPath(path)); }

// A name that is not a regular file (a pipe, a device, a folder) counts as missing: opening
// one to read could wait forever, and reading one may never end. Told once per name.
void WarnNotRegular(const std::string& name) {
    WarnOnce(u"#irregular:" + FromNative(name),
             u"Pas un fichier ordinaire, ignoré : " + FromNative(name));
}

// Opens a file to read without waiting on it (a pipe with no writer would block the game), and
// keeps it only when it is a regular file; the descriptor then blocks again. -1 otherwise.
int OpenRegularForReading(const std::string& name) {
    const int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (!S_ISDIR(info.st_mode)) {
            WarnNotRegular(name);
        }
        close(fd);
        return -1;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// The folder that will hold a file about to be written, open, and the file's own name in it.
// Below the game folder no step may be a symbolic link: a profile folder or file linked
// elsewhere would carry the child's files out of the game folder, or overwrite what the link
// names. -1 when the folder cannot be reached that way.
int OpenFolderForWriting(const std::string& target, std::string& leaf) {
    const auto slash = target.rfind('/');
    leaf = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    if (leaf.empty() || leaf == "." || leaf == "..") {
        return -1;
    }
    std::string game = ToNative(GameFolder());
    if (folder.compare(0, game.size(), game) != 0) {
        return open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    int fd = open(game.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::size_t start = game.size();
    while (fd >= 0 && start < folder.size()) {
        std::size_t end = folder.find('/', start);
        if (end == std::string::npos) {
            end = folder.size();
        }
        const std::string step = folder.substr(start, end - start);
        start = end + 1;
        if (step.empty() || step == ".") {
            continue;
        }
        const int next = step == ".." ? -1
                                      : openat(fd, step.c_str(),
                                               O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        close(fd);
        fd = next;
    }
    return fd;
}

// A regular file in the folder open as `folder`, never through a link, never waiting on a
// pipe; created when missing. -1 otherwise.
int OpenRegularForWriting(int folder, const std::string& leaf, int access) {
    const int fd =
        openat(folder, leaf.c_str(), access | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    const int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// The working folder; "" when it cannot be told (it was removed).
String WorkingFolder() {
    std::string cwd(4096, '\0');
    if (getcwd(cwd.data(), cwd.size()) == nullptr) {
        return u"";
    }
    return FromNative(cwd.c_str());
}

// A folder given relative to the working folder, made absolute where it is given. Paths built
// on it are then absolute too: resolving one of them again leaves it as it is, where a relative
// one would gain the folder a second time.
String Absolute(const String& folder) {
    if (!folder.empty() && folder[0] == u'/') {
        return folder;
    }
    const String cwd = WorkingFolder();
    if (cwd.empty()) {
        return folder;
    }
    return folder.empty() || folder == u"." ? cwd : (cwd == u"/" ? u"" : cwd) + u"/" + folder;
}

String ExecutableFolder() {
    std::string buffer(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) {
        return Absolute(u".");
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
        return Absolute(FromUtf8(env));
    }
    return ExecutableFolder() + u"/data";
}

void SetDataFolder(const String& folder) {
    DataFolderOverride() = folder.empty() ? folder : Absolute(folder);
}

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

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// "/" and "/home/lou/" end without their separators, so that "/Documents" follows once.
String WithoutTrailingSlash(String folder) {
    while (!folder.empty() && folder.back() == u'/') {
        folder.pop_back();
    }
    return folder;
}

// The folder that holds Documents: USERPROFILE as the design has it, else HOME when it names
// a folder. A HOME that is unset or names no folder (mistyped, or a home removed) is not
// created: the account's home from the user database stands in, else the working folder, and
// one line says which folder the game uses then.
String GameHome() {
    if (const char* profile = std::getenv("USERPROFILE"); profile != nullptr && *profile != '\0') {
        return WithoutTrailingSlash(FromNative(profile));
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0' && IsFolder(home)) {
        return WithoutTrailingSlash(FromNative(home));
    }
    String folder;
    String from;
    const passwd* account = getpwuid(getuid());
    if (account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/' &&
        IsFolder(account->pw_dir)) {
        folder = FromNative(account->pw_dir);
        from = u"le dossier personnel du compte";
    } else {
        folder = WorkingFolder();
        from = u"le dossier de travail";
    }
    folder = WithoutTrailingSlash(folder);
    const String why = home == nullptr || *home == '\0'
                           ? u"HOME n'est pas défini"
                           : u"HOME (" + FromNative(home) + u") n'est pas un dossier";
    const String used = folder + u"/Documents/" + GameFolderName + u"/";
    WarnOnce(u"#gamehome:" + used,
             why + u"\u00a0: le dossier du jeu est " + used + u" (" + from + u")");
    return folder;
}

} // namespace

String GetEnv(const String& name) {
    // Linux has no USERPROFILE: it stands for the folder the game folder is made in.
    if (name == u"USERPROFILE") {
        return GameHome();
    }
    const std::string key = ToUtf8(name);
    if (const char* value = std::getenv(key.c_str()); value != nullptr && *value != '\0') {
        return FromUtf8(value);
    }
    return u"";
}

String GameFolder() { return GameHome() + u"/Documents/" + GameFolderName + u"/"; }

// ---- 2. Whole files ---------------------------------------------------------------------

bool LoadBytes(const String& path, std::vector<std::uint8_t>& bytes, std::size_t limit) {
    bytes.clear();
    if (path.empty()) {
        return false;
    }
    const int fd = OpenRegularForReading(Native(path));
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "rb");
    if (file == nullptr) {
        if (fd >= 0) {
            close(fd);
        }
        return false;
    }
    struct stat info {};
    bool ok = fstat(fileno(file), &info) == 0 && static_cast<std::uintmax_t>(info.st_size) <= limit;
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

namespace {

// Up to `limit` bytes from the start of a regular file, or its last `limit` bytes.
bool ReadPart(const String& path, std::vector<std::uint8_t>& bytes, std::size_t limit,
              bool fromEnd) {
    bytes.clear();
    const int fd = path.empty() ? -1 : OpenRegularForReading(Native(path));
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = fstat(fd, &info) == 0;
    const auto size = ok ? static_cast<std::uintmax_t>(info.st_size) : 0;
    const auto start = fromEnd && size > limit ? size - limit : 0;
    ok = ok && lseek(fd, static_cast<off_t>(start), SEEK_SET) >= 0;
    std::uint8_t chunk[65536];
    while (ok && bytes.size() < limit) {
        const ssize_t n = read(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    close(fd);
    if (!ok) {
        bytes.clear();
    }
    return ok;
}

} // namespace

bool LoadFileStart(const String& path, std::vector<std::uint8_t>& bytes, std::size_t limit) {
    return ReadPart(path, bytes, limit, false);
}

bool LoadFileEnd(const String& path, std::vector<std::uint8_t>& bytes, std::size_t limit) {
    return ReadPart(path, bytes, limit, true);
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
    if (path.empty() || (mode != u"r" && mode != u"w" && mode != u"a")) {
        return nullptr;
    }
    const std::string name = Native(path);
    int fd = -1;
    if (mode == u"r") {
        fd = OpenRegularForReading(name);
    } else {
        std::string leaf;
        const int folder = OpenFolderForWriting(name, leaf);
        if (folder >= 0) {
            fd = OpenRegularForWriting(folder, leaf, mode == u"w" ? O_WRONLY : O_RDWR);
            close(folder);
        }
        // Emptied only once it is known to be a regular file of the game's.
        if (fd >= 0 && mode == u"w" && ftruncate(fd, 0) != 0) {
            close(fd);
            fd = -1;
        }
    }
    std::FILE* file = fd < 0 ? nullptr
                             : fdopen(fd, mode == u"r"   ? "rb"
                                          : mode == u"w" ? "wb"
                                                         : "r+b");
    if (file == nullptr) {
        if (fd >= 0) {
            close(fd);
        }
        return nullptr;
    }
    // Read and write, positioned at the end. Unbuffered, so that a write that fails is known at
    // once and the file can be cut back to the length it had.
    long start = -1;
    if (mode == u"a" && (std::setvbuf(file, nullptr, _IONBF, 0) != 0 ||
                         std::fseek(file, 0, SEEK_END) != 0 || (start = std::ftell(file)) < 0)) {
        std::fclose(file);
        return nullptr;
    }
    auto stream = std::unique_ptr<FileStream>(new FileStream(file));
    stream->appendStart_ = start;
    return stream;
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

std::size_t FileStream::ReadBytes(std::uint8_t* bytes, std::size_t count) {
    if (!Switch(Op::Read)) {
        return 0;
    }
    return std::fread(bytes, 1, count, file_);
}

bool FileStream::Seek(std::uint64_t position) {
    if (file_ == nullptr || position > static_cast<std::uint64_t>(LONG_MAX)) {
        return false;
    }
    // A seek lets the next operation be a read or a write.
    last_ = Op::None;
    return std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
}

std::int64_t FileStream::Length() {
    struct stat info {};
    // What was written must reach the file before its length is asked.
    if (file_ == nullptr || (last_ == Op::Write && std::fflush(file_) != 0) ||
        fstat(fileno(file_), &info) != 0) {
        return -1;
    }
    return static_cast<std::int64_t>(info.st_size);
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
        // A full disk takes part of a line: what this stream appended goes, what was there stays.
        if (appendStart_ >= 0 && ftruncate(fileno(file_), appendStart_) == 0) {
            std::fseek(file_, 0, SEEK_END);
        }
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
            names.push_back(FromNative(entry->d_name));
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
    // Moved aside in its own folder first: when that folder cannot be written (read-only, a
    // full disk), the rename fails before anything was deleted.
    std::string folder = full;
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    static int deletions = 0;
    const auto slash = folder.rfind('/');
    const std::string aside = folder.substr(0, slash == std::string::npos ? 0 : slash + 1) +
                              ".effacement-" + std::to_string(getpid()) + "-" +
                              std::to_string(++deletions);
    if (rename(folder.c_str(), aside.c_str()) != 0) {
        return false;
    }
    const int fd = open(aside.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && EmptyFolder(fd) && rmdir(aside.c_str()) == 0) {
        return true;
    }
    // What could not go is found again under its name.
    rename(aside.c_str(), folder.c_str());
    return false;
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
    std::string leaf;
    const int folder = OpenFolderForWriting(Native(path), leaf);
    if (folder < 0) {
        return false;
    }
    // The temporary file sits in the target's folder so that the rename never crosses file
    // systems; a crash then leaves either the old file or the new one, never half of it.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = "." + leaf + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        fd = openat(folder, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        close(folder);
        return false;
    }
    bool ok = true;
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
    // Only a regular file (or nothing) is replaced: a folder, a pipe or a link of that name is
    // not the game's file. A link itself would be replaced by the rename, not followed, but a
    // parent who put it there meant something by it.
    struct stat info {};
    const bool free = fstatat(folder, leaf.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0
                          ? errno == ENOENT
                          : S_ISREG(info.st_mode);
    ok = ok && free && renameat(folder, temp.c_str(), folder, leaf.c_str()) == 0;
    if (!ok) {
        unlinkat(folder, temp.c_str(), 0);
        close(folder);
        return false;
    }
    // The rename itself is made durable with the folder.
    fsync(folder);
    close(folder);
    return true;
}

} // namespace platform
