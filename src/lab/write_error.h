#pragma once

// The one message for an output file that cannot be opened or written, shared by every file
// the batch runner and the sweeps write.

#include <string>
#include <string_view>

namespace lab {

// "cannot write 'PATH'", with control characters in the path written as escapes ("\n",
// "\x1b"), so that the message stays one line whatever the file is called.
std::string CannotWriteMessage(std::string_view path);

} // namespace lab
