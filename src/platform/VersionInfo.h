// The version resource of a program file: where the running program lives, how large its
// version-information block is, a copy of that block, and values looked up in it by path.
//
// The block (layout in platform/VersionBlock.h) is stored in the ELF section
// ".velmoria_version" of the program file; the build puts it there (tools/mkversion). The file
// is read as plain bytes, so any file can be asked, the running program included. Every
// offset and size read from a file or a block is checked before it is used: a missing,
// truncated or garbage file gives size 0 / false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Longest program path handed out, in bytes, as the classic 256-byte buffer allowed.
constexpr size_t kModulePathMax = 255;

// Path of the running program file (from /proc/self/exe); empty when it cannot be read or is
// longer than kModulePathMax bytes, since a cut path could name another file.
std::string GetModuleFileName();

// Bytes needed for the version-information block of the program file `path` (at most 65535);
// 0 when the file cannot be read, is not a 64-bit little-endian ELF file, has no
// ".velmoria_version" section, or the section does not start with a well-formed root block.
uint32_t GetFileVersionInfoSize(const char* path);

// Copies the version-information block of `path` into `data`, which holds `size` bytes
// (at least GetFileVersionInfoSize(path)). False, with `data` untouched, when there is no
// well-formed block or it does not fit in `size` bytes.
bool GetFileVersionInfo(const char* path, uint32_t size, void* data);

// Looks up a value in a block filled by GetFileVersionInfo. `subBlock` is a path of keys
// separated by backslashes, matched without regard to ASCII case: "\\" (the root's value),
// "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904e4\\ProductName". On success sets
// `*value` to the value inside `block` and `*length` to its size in bytes (a text value counts
// its terminating NUL; a text value is always NUL-terminated). False when the path is absent
// or a block on the way is malformed. The block's extent is the Length of its root header, as
// GetFileVersionInfo guarantees; for bytes of unknown origin use QueryVersionValue.
bool VerQueryValue(const void* block, const char* subBlock, const void** value, uint32_t* length);

// VerQueryValue over the `blockSize` bytes at `block`: the root may not extend past them.
bool QueryVersionValue(const void* block, size_t blockSize, const char* subBlock,
                       const void** value, uint32_t* length);

// Finds the section `name` in the 64-bit little-endian ELF image of `imageSize` bytes at
// `image`; on success sets its file offset and size in bytes, both inside the image. False for
// any other file, a section without file contents, or an offset or size outside the image.
bool FindElfSection(const void* image, size_t imageSize, const char* name, uint64_t* offset,
                    uint64_t* size);

// The version-information block of an ELF image in memory, checked as GetFileVersionInfoSize
// checks a file's; false when there is none.
bool ExtractVersionBlock(const void* image, size_t imageSize, std::vector<uint8_t>& block);
