// Marks a text of the core that the user reads (a field label, a list prompt, a warning). The
// translation tools collect every marked text under the context "sim"; the window looks the text
// up there and shows it in the chosen language. The mark is the text itself, so the core needs
// no translation library and its own comparisons and outputs keep the designed Serbian text.
#pragma once

#define SIM_USER_TEXT(text) text

namespace sim {

// The context under which the window finds the translations of the marked texts.
inline constexpr const char* kUserTextContext = "sim";

} // namespace sim
