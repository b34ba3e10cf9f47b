// File names arrive in the program's own form, with backslashes ("image\blank.bmp");
// on POSIX they are opened with slashes, relative to the working directory.
#pragma once

#include <string>

namespace platform {

std::string native_path(const std::string& name);

}  // namespace platform
