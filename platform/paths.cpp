// Program file names to POSIX paths.
#include "platform/paths.h"

#include <algorithm>

namespace platform {

std::string native_path(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace platform
