#include "full_path.h"

#include <filesystem>
#include <system_error>

std::string FullPath(const std::string& path) {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(path, ignored);
  return full.empty() ? path : full.lexically_normal().string();
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return path.substr(0, slash == 0 ? 1 : slash);
}
