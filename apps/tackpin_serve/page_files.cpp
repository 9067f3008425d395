#include "apps/tackpin_serve/page_files.h"

#include <filesystem>

namespace serve {

namespace {

std::string ContentType(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    if (extension == ".html") return "text/html; charset=utf-8";
    if (extension == ".js" || extension == ".mjs") return "text/javascript; charset=utf-8";
    if (extension == ".css") return "text/css; charset=utf-8";
    if (extension == ".json") return "application/json";
    if (extension == ".svg") return "image/svg+xml";
    if (extension == ".png") return "image/png";
    if (extension == ".ico") return "image/x-icon";
    return "application/octet-stream";
}

}  // namespace

PageFiles::PageFiles(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(folder, error)) return;
    for (auto it = fs::recursive_directory_iterator(folder, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        // Links are left out: what they point at is not the page's own.
        if (!it->is_regular_file(error) || it->is_symlink(error)) continue;
        const std::string relative = it->path().lexically_relative(folder).generic_string();
        files_["/" + relative] = PageFile{it->path().string(), ContentType(it->path())};
    }
}

std::optional<PageFile> PageFiles::Find(const std::string& requestPath) const {
    auto found = files_.find(requestPath == "/" ? "/index.html" : requestPath);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

}  // namespace serve
