#include "system_files.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "messages.h"

#ifdef _WIN32
#include <windows.h>
// CommandLineToArgvW, which needs the types above.
#include <shellapi.h>

#include <algorithm>
#include <random>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora::cli {
namespace {

constexpr std::size_t kReadBlock = 1 << 16;

}  // namespace

std::string ReadStandardInput() {
  std::string bytes;
  std::string block(kReadBlock, '\0');
  std::size_t got = 0;
  while ((got = std::fread(block.data(), 1, block.size(), stdin)) > 0) bytes.append(block, 0, got);
  return bytes;
}

#ifdef _WIN32

namespace {

std::wstring Wide(std::string_view text) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::string Utf8(std::wstring_view wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                      nullptr, nullptr);
  return text;
}

// The system's own sentence for an error, without its line end.
std::string SystemReason(DWORD error) {
  wchar_t* sentence = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
      reinterpret_cast<wchar_t*>(&sentence), 0, nullptr);
  std::string reason = sentence != nullptr ? Utf8(sentence) : std::string();
  LocalFree(sentence);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    constexpr std::size_t kMostAtOnce = 1 << 30;
    DWORD written = 0;
    const auto size = static_cast<DWORD>(std::min(bytes.size(), kMostAtOnce));
    if (!WriteFile(file, bytes.data(), size, &written, nullptr)) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int k = 0; k < count; ++k) arguments.push_back(Utf8(wide[k]));
  LocalFree(wide);
  return arguments;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason) {
  if (path.empty()) {
    reason = Say(phrase::kNoFileName);
    return std::nullopt;
  }
  const std::wstring name = Wide(path);
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    reason = Say(phrase::kOpenDirectory);
    return std::nullopt;
  }
  const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reason = SystemReason(GetLastError());
    return std::nullopt;
  }
  std::string bytes;
  std::string block(kReadBlock, '\0');
  DWORD got = 0;
  while (ReadFile(file, block.data(), static_cast<DWORD>(block.size()), &got, nullptr) && got > 0) {
    bytes.append(block, 0, got);
  }
  CloseHandle(file);
  return bytes;
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::wstring target = Wide(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return Say(phrase::kNotWritable, {path});
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Say(phrase::kSaveDirectory);
  }
  std::random_device seed;
  std::wstring temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    temporary = target + L"." + std::to_wstring(seed() % 1000000U);
    file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) return SystemReason(GetLastError());
  const bool written = WriteAll(file, bytes);
  DWORD error = written ? ERROR_SUCCESS : GetLastError();
  FlushFileBuffers(file);
  CloseHandle(file);
  if (written && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    error = GetLastError();
  }
  if (error == ERROR_SUCCESS) return std::nullopt;
  DeleteFileW(temporary.c_str());
  return SystemReason(error);
}

std::string NativeSeparators(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

#else

namespace {

// The reason for a failed call, as the window's file layer words the common ones.
std::string SystemReason(int error) {
  switch (error) {
    case EACCES:
      return Say(phrase::kPermissionDenied);
    case EMFILE:
      return Say(phrase::kTooManyOpenFiles);
    case ENOENT:
      return Say(phrase::kNoSuchFile);
    case ENOSPC:
      return Say(phrase::kNoSpace);
    default:
      // The system's sentence in the session's language: its locale is read only now, at the
      // first failure, for a run that fails nothing need not load it.
      std::setlocale(LC_MESSAGES, "");
      std::setlocale(LC_CTYPE, "");
      return std::strerror(error);
  }
}

// The folder part of a path with its slash ("a/b/" of "a/b/c"); nothing for a name alone.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a chain of links ends at; the path itself when it is no link, or when the chain is
// longer than any the system follows.
std::string LinkTarget(const std::string& path) {
  constexpr int kDeepestLinks = 128;
  std::string target = path;
  struct stat status {};
  for (int depth = 1; lstat(target.c_str(), &status) == 0 && S_ISLNK(status.st_mode); ++depth) {
    if (depth == kDeepestLinks) return path;
    std::string named(PATH_MAX, '\0');
    const ssize_t size = readlink(target.c_str(), named.data(), named.size());
    if (size < 0) break;
    named.resize(static_cast<std::size_t>(size));
    if (named.starts_with('/')) {
      target = std::move(named);
    } else {
      target = FolderOf(target).append(named);
    }
  }
  return target;
}

// The permissions a new file is made with: those of the file it replaces, with what the user may
// do to that file (as the window's file layer copies them), or the umask's.
mode_t NewFileMode(const std::string& path, const struct stat* existing) {
  if (existing == nullptr) {
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666U & ~mask);
  }
  mode_t mode = existing->st_mode & 0777U;
  if (access(path.c_str(), R_OK) == 0) mode |= S_IRUSR;
  if (access(path.c_str(), W_OK) == 0) mode |= S_IWUSR;
  if (access(path.c_str(), X_OK) == 0) mode |= S_IXUSR;
  return mode;
}

bool WriteAll(int file, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(file, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return {argv, argv + argc};
}

std::string ProgramFolder() {
  std::string path(PATH_MAX, '\0');
  const ssize_t size = readlink("/proc/self/exe", path.data(), path.size());
  if (size <= 0) return {};
  path.resize(static_cast<std::size_t>(size));
  return path.substr(0, path.rfind('/'));
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason) {
  if (path.empty()) {
    reason = Say(phrase::kNoFileName);
    return std::nullopt;
  }
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) {
    reason = SystemReason(errno);
    return std::nullopt;
  }
  struct stat status {};
  if (fstat(file, &status) == 0 && S_ISDIR(status.st_mode)) {
    close(file);
    reason = Say(phrase::kOpenDirectory);
    return std::nullopt;
  }
  std::string bytes;
  std::string block(kReadBlock, '\0');
  ssize_t got = 0;
  while ((got = read(file, block.data(), block.size())) > 0 || (got < 0 && errno == EINTR)) {
    if (got > 0) bytes.append(block, 0, static_cast<std::size_t>(got));
  }
  close(file);
  return bytes;
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return SystemReason(ENOENT);
  struct stat existing {};
  const bool exists = stat(path.c_str(), &existing) == 0;
  if (exists && access(path.c_str(), W_OK) != 0) return Say(phrase::kNotWritable, {path});
  if (exists && S_ISDIR(existing.st_mode)) return Say(phrase::kSaveDirectory);
  const std::string target = LinkTarget(path);
  std::string temporary = target + ".XXXXXX";
  const int file = mkostemp(temporary.data(), O_CLOEXEC);
  if (file < 0) return SystemReason(errno);
  int error = 0;
  if (fchmod(file, NewFileMode(path, exists ? &existing : nullptr)) != 0 ||
      !WriteAll(file, bytes)) {
    error = errno;
  }
  fdatasync(file);  // a file system that cannot sync still gets the whole file
  if (close(file) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  unlink(temporary.c_str());
  return SystemReason(error);
}

std::string NativeSeparators(std::string path) {
  return path;
}

#endif

}  // namespace velmora::cli
