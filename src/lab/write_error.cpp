#include "lab/write_error.h"

#include "sim/text_conversion.h"

namespace lab {

std::string CannotWriteMessage(std::string_view path) {
    return "cannot write '" + sim::EscapeControls(path, sim::Backslash::Keep) + "'";
}

} // namespace lab
