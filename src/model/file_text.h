// The model file's own bytes inside a message. The file may be UTF-8 or CP932 (or neither), and
// a message quotes a value or line as the user wrote it, shortened, and recognises full-width
// digits and commas, the commonest slip when typing numbers with a Japanese input method.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A value of the model file is at most this long; no number a model needs comes near it, and a
// longer value is a fault in the file.
inline constexpr size_t kMaxValueLength = 256;

// `text` without the blanks (spaces and tabs) at either end.
std::string_view TrimBlanks(std::string_view text);

// 「text」 in UTF-8: as it is when it is valid UTF-8, else decoded as CP932, else printable ASCII
// with every other byte as \xNN; control characters always as \xNN. Beyond `maxCharacters`, or
// when `cut` says the file held more, it ends in "…" at a character boundary.
std::string QuoteFileText(std::string_view bytes, bool cut = false, size_t maxCharacters = 30);

// Full-width digits, comma, sign, point or blank (０-９ ， － ＋ ． 、 and the ideographic
// space), in UTF-8 or in CP932.
bool HasFullWidthNumberCharacters(std::string_view bytes);
