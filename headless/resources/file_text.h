// Reading a file whole, regular files only (a FIFO or a device could block
// the reader or never end), with the reason in a few words when it cannot
// be read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace headless::resources {

enum class FileProblem { None, Missing, Directory, NotFolder, NotRegular, LinkLoop, Permission, Unreadable, TooLarge };

// Reads all of `path` into `text`; None when it did. A file of more than
// `limit` bytes is TooLarge, and no more than that is read of it.
FileProblem ReadFileText(const std::filesystem::path& path, std::string& text, std::uintmax_t limit = UINTMAX_MAX);

// None when `path` is a folder (or a link to one), else why it is not.
FileProblem CheckFolder(const std::filesystem::path& path);

// The problem as messages give it: "no such file", "it is a directory", ...
std::string_view Describe(FileProblem problem);

}
