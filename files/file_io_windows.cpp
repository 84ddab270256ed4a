#include "files/file_io.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <utility>

#include "files/error_reason.h"
#include "files/file_io_platform.h"
#include "files/temporary_names.h"
#include "files/temporary_names_windows.h"
#include "files/wide_text_windows.h"

namespace zelmora {
namespace {

// Owns one handle and closes it when it goes.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // Returns whether closing succeeded (or there was nothing to close).
  bool Close() {
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    return handle == INVALID_HANDLE_VALUE || CloseHandle(handle);
  }

 private:
  HANDLE handle_;
};

// Windows says only "path not found" where a folder on the way is a file;
// Linux names that, and so does the program on both.
std::string ReasonFor(const std::wstring& path, DWORD code) {
  if (code == ERROR_PATH_NOT_FOUND) {
    std::wstring folder = path;
    for (std::size_t end; (end = folder.find_last_of(L"\\/")) != std::wstring::npos;) {
      folder.resize(end);
      const DWORD attributes = GetFileAttributesW(folder.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES) continue;
      if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return ErrorReason(ENOTDIR);
      break;
    }
  }
  return SystemErrorReason(code);
}

// Only a file on a disk is read or replaced: not a folder, not a device
// such as CON or NUL, not a pipe. Nothing for such a file.
std::optional<std::string> RefusedKind(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info)) {
    return std::string(kNotRegularFileReason);
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return ErrorReason(EISDIR);
  return std::nullopt;
}

// Opens `path` for `access`, sharing it with other readers and writers;
// folders open too, so that they are named for what they are.
HANDLE OpenShared(const std::wstring& path, DWORD access) {
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The folder and the full path of a save's target.
struct Target {
  std::wstring folder;
  std::wstring path;
  bool exists = false;
};

std::optional<std::string> ResolveTarget(const std::string& path, Target& target) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide || wide->empty()) return SystemErrorReason(ERROR_INVALID_NAME);
  wchar_t* name = nullptr;
  std::wstring full(MAX_PATH, L'\0');
  DWORD length =
      GetFullPathNameW(wide->c_str(), static_cast<DWORD>(full.size()), full.data(), &name);
  if (length >= full.size()) {
    full.resize(length);
    length = GetFullPathNameW(wide->c_str(), length, full.data(), &name);
  }
  if (length == 0) return SystemErrorReason(GetLastError());
  if (name == nullptr) return ErrorReason(EISDIR);  // the path ends in a separator
  target.folder.assign(full.data(), static_cast<std::size_t>(name - full.data()) - 1);
  full.resize(length);
  target.path = full;

  Handle existing(OpenShared(target.path, 0));
  if (!existing.valid()) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return std::nullopt;
    return ReasonFor(target.path, error);
  }
  if (auto refused = RefusedKind(existing.get())) return refused;
  const DWORD attributes = GetFileAttributesW(target.path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return std::string(kReadOnlyFileReason);
  }
  // Replacing needs the rights to delete the file and set its attributes,
  // and that no other program holds it without sharing them. Asked first, as
  // a failed replacement may leave a file of its own behind.
  Handle replaceable(CreateFileW(target.path.c_str(), DELETE | FILE_WRITE_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!replaceable.valid()) return SystemErrorReason(GetLastError());
  target.exists = true;
  return std::nullopt;
}

DWORD Fill(HANDLE file, const ByteWriter& write) {
  const DWORD error = WriteProduced(file, write);
  if (error != 0) return error;
  return FlushFileBuffers(file) ? 0 : GetLastError();
}

// The temporary replaces the target in one step that keeps the target's
// security and streams; a new file is moved in, never over a file that
// appeared meanwhile.
DWORD Publish(const Target& target, const std::wstring& temporary) {
  const bool placed =
      target.exists ? ReplaceFileW(target.path.c_str(), temporary.c_str(), nullptr,
                                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                    : MoveFileExW(temporary.c_str(), target.path.c_str(), MOVEFILE_WRITE_THROUGH);
  if (placed) return 0;
  const DWORD error = GetLastError();
  // Replacing failed after the target was opened: it is still there, whole,
  // and another program holding it open is what stops the replacement.
  if (error == ERROR_UNABLE_TO_REMOVE_REPLACED || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
    return ERROR_SHARING_VIOLATION;
  }
  return error;
}

DWORD Save(const Target& target, const ByteWriter& write) {
  const std::optional<std::wstring> name = WideFromUtf8(NewTemporaryName());
  const std::wstring temporary = target.folder + L"\\" + name.value_or(L".zelmora");
  Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return GetLastError();
  DWORD error = Fill(file.get(), write);
  if (!file.Close() && error == 0) error = GetLastError();
  if (error == 0) error = Publish(target, temporary);
  if (error != 0) DeleteFileW(temporary.c_str());
  return error;
}

}  // namespace

ReadableFile::ReadableFile(const std::string& path) : file_(INVALID_HANDLE_VALUE) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide) {
    refused_ = SystemErrorReason(ERROR_INVALID_NAME);
    return;
  }
  file_ = OpenShared(*wide, GENERIC_READ);
  if (file_ == INVALID_HANDLE_VALUE) {
    refused_ = ReasonFor(*wide, GetLastError());
    return;
  }
  refused_ = RefusedKind(file_);
  if (refused_) return;
  LARGE_INTEGER size;
  if (GetFileSizeEx(file_, &size)) {
    size_ = static_cast<std::uint64_t>(size.QuadPart);
  } else {
    refused_ = SystemErrorReason(GetLastError());
  }
}

ReadableFile::~ReadableFile() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

Transfer ReadableFile::Read(std::span<char> buffer) {
  const auto size = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 30));
  DWORD got = 0;
  if (!ReadFile(file_, buffer.data(), size, &got, nullptr)) return {0, GetLastError()};
  return {got};
}

Transfer WriteSome(NativeFile file, std::string_view bytes) {
  const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), size, &written, nullptr)) return {0, GetLastError()};
  return {written};
}

// The temporary is always named on Windows; a new file's access follows its
// folder's inherited ACL, which is what a mode means there.
std::optional<FileError> WriteFileSafely(const std::string& path, const ByteWriter& write,
                                         Temporary /*temporary*/, mode_t /*new_file_mode*/) {
  Target target;
  if (auto refused = ResolveTarget(path, target)) return FileError{path, *refused};
  RemoveStaleTemporariesIn(target.folder);
  if (const DWORD error = Save(target, write)) return FileError{path, SystemErrorReason(error)};
  return std::nullopt;
}

// Binary mode, so that the C library adds no carriage returns of its own.
SystemError WriteToStream(int fd, const ByteWriter& write) {
  _setmode(fd, _O_BINARY);
  const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  if (file == INVALID_HANDLE_VALUE) return ERROR_INVALID_HANDLE;
  if (!IsConsole(file)) return WriteProduced(file, write);
  // A console shows UTF-8 right only when written as UTF-16; redirected
  // output gets the bytes as they are.
  WideConsole console(file);
  return WriteBuffered<SystemError>(
      write, [&console](std::string_view bytes) { return console.Write(bytes); },
      kOutOfMemoryError);
}

}  // namespace zelmora
