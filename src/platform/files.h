#pragma once
// Files: the data folder beside the executable, the game folder under the user's Documents,
// whole-file text, streams, byte buffers and directories. Every path below goes through
// ResolveDataPath: absolute paths as they stand, relative ones under the data folder.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/text.h"

namespace platform {

// "data" beside the executable; MQ_DATA_DIR in the environment or SetDataFolder overrides it.
// Always absolute: a folder given relative is taken from the working folder.
String DataFolder();
void SetDataFolder(const String& folder);
// Relative paths go under the data folder, absolute ones are used as they stand.
String ResolveDataPath(const String& path);

// Environment lookup, "" when unset. USERPROFILE, which Linux lacks, gives the folder the game
// folder is made in (see GameFolder).
String GetEnv(const String& name);
// The game folder's own name, the one spelling every path uses.
inline constexpr char16_t GameFolderName[] = u"MirelvanQuibs";
// USERPROFILE + "/Documents/" + GameFolderName + "/"; without USERPROFILE, HOME when it names
// a folder, else the account's home from the user database, else the working folder (the last
// two told once on standard error). A missing HOME is never created.
String GameFolder();

// Files are read from regular files only, opened without waiting (a pipe with no writer would
// hang the game, a device may never end): anything else counts as missing and is reported once
// on standard error. Whole files are read up to a size: larger files read as unreadable.
constexpr std::size_t MaxWholeFile = 64 * 1024 * 1024;

// Whole text file decoded from UTF-8; "" when it cannot be read.
String LoadString(const String& path, std::size_t limit = MaxWholeFile);
// Whole file as bytes; false when it cannot be read.
bool LoadBytes(const String& path, std::vector<std::uint8_t>& bytes,
               std::size_t limit = MaxWholeFile);
// The first `limit` bytes of a file at most (the whole of a smaller one): a header. False when
// it cannot be read.
bool LoadFileStart(const String& path, std::vector<std::uint8_t>& bytes, std::size_t limit);
// The last `limit` bytes of a file at most (the whole of a smaller one): what was appended last
// to a list that only grows. False when it cannot be read.
bool LoadFileEnd(const String& path, std::vector<std::uint8_t>& bytes, std::size_t limit);
// A relative path that stays inside the data folder: no leading "/", no ".." step.
bool IsInDataFolder(const String& path);

// Names read from folders keep their exact bytes: a byte that is not part of a UTF-8 character
// reads as one unit of U+DC80..U+DCFF (IsEscapedByte), and paths turn such units back into
// that byte. A leading byte-order mark stays in the name.
bool IsEscapedByte(char16_t unit);

// Writes never follow a symbolic link at or below the game folder, and only ever write
// regular files: a profile folder or a file linked elsewhere is refused.
class FileStream {
  public:
    // Modes "r" (read), "w" (create or truncate), "a" (read-write, created, at the end). A write
    // that fails in mode "a" (a full disk) takes back everything the stream appended, so that
    // the file never ends in half a line.
    static std::unique_ptr<FileStream> Open(const String& path, const String& mode);
    ~FileStream();
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Four bytes little-endian; false on a short read (value then untouched).
    bool ReadInt(std::int32_t& value);
    bool WriteInt(std::int32_t value);
    // From the position to the end, decoded from UTF-8.
    String ReadString();
    // Up to `count` bytes from the position; how many were read.
    std::size_t ReadBytes(std::uint8_t* bytes, std::size_t count);
    // Moves to a byte from the start; false when it cannot.
    bool Seek(std::uint64_t position);
    // The file's length in bytes, -1 when it cannot be told.
    std::int64_t Length();
    bool WriteString(const String& text);
    bool WriteBytes(const std::uint8_t* bytes, std::size_t count);
    bool Eof();
    // False when anything written could not be flushed.
    bool Close();

  private:
    explicit FileStream(std::FILE* file) : file_(file) {}
    // A read-write stream must be repositioned between a read and a write.
    enum class Op { None, Read, Write };
    bool Switch(Op op);

    std::FILE* file_ = nullptr;
    bool failed_ = false;
    // Mode "a": the length before this stream wrote, to cut back to when a write fails.
    long appendStart_ = -1;
    Op last_ = Op::None;
};

// Zero-filled bytes with little-endian pokes.
class DataBuffer {
  public:
    explicit DataBuffer(std::size_t size) : bytes_(size, 0) {}
    std::size_t Length() const { return bytes_.size(); }
    void PokeByte(std::size_t offset, int value);
    void PokeShort(std::size_t offset, int value);
    void PokeInt(std::size_t offset, std::int32_t value);
    std::uint8_t* Data() { return bytes_.data(); }
    const std::uint8_t* Data() const { return bytes_.data(); }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Names of one folder level, sorted, without names starting with "."; empty when missing.
std::vector<String> LoadDir(const String& path);
// 0 none, 1 file, 2 folder.
int FileType(const String& path);
// A folder itself, not a symbolic link to one (trailing separators ignored).
bool IsRealFolder(const String& path);
// Creates every missing level; false when one cannot be made.
bool CreateDir(const String& path);
// Deletes the folder and what it holds, never following symbolic links. The folder is first
// moved aside under a hidden name: when the folder that holds it cannot be written, nothing is
// deleted; when what it holds cannot all go, what is left is put back under its name.
bool DeleteDir(const String& path);
bool DeleteFile(const String& path);
// Writes a temporary file in the same folder, then renames it over the target, which must be
// missing or a regular file.
bool ReplaceFileAtomically(const String& path, const std::vector<std::uint8_t>& bytes);

} // namespace platform
