// The page's own files, and only those: the list is made once at start from
// the page folder (regular files, no links), and a request names one of them
// by its path in that folder, or gets nothing. There is no listing, and no
// path a request writes reaches anything outside the list.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace serve {

struct PageFile {
    std::string path;  // on disk
    std::string contentType;
};

class PageFiles {
public:
    // Every regular file under `folder`; none when it does not exist.
    explicit PageFiles(const std::string& folder);

    // The file a request path names ("/" is "/index.html"); nothing for any
    // other path.
    std::optional<PageFile> Find(const std::string& requestPath) const;
    std::size_t Count() const { return files_.size(); }

private:
    std::map<std::string, PageFile> files_;  // "/index.html" -> the file
};

}  // namespace serve
