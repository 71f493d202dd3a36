#pragma once
// Whole files read and written as bytes, and the small files the tests make.

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// The bytes of a file (empty when it cannot be read).
std::string read_file(const std::filesystem::path& path);
// The file holds exactly `bytes` (made or replaced).
void write_file(const std::filesystem::path& path, const std::string& bytes);
// The lines of a text ended by CR LF, without their ends; a last line without
// one is kept.
std::vector<std::string> lines_of(const std::string& bytes);
// An executable shell script: "#!/bin/sh" and `body`.
void write_script(const std::filesystem::path& path, const std::string& body);
// The names in a folder, sorted.
std::vector<std::string> folder_contents(const std::filesystem::path& folder);

}  // namespace testing_support
