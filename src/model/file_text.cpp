#include "file_text.h"

#include <iconv.h>

#include <cerrno>
#include <optional>
#include <vector>

namespace {

// Bytes of the UTF-8 sequence that starts at text[i], or 0 when none valid starts there.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

// The text split into UTF-8 characters, or nothing when it is not UTF-8. A text cut short may
// end inside a character; that part is dropped.
std::optional<std::vector<std::string_view>> Utf8Characters(std::string_view text, bool cut) {
  std::vector<std::string_view> characters;
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      if (cut && text.size() - i < 4 && static_cast<unsigned char>(text[i]) >= 0xC2) break;
      return std::nullopt;
    }
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

// CP932 converted to UTF-8, or nothing when the bytes are not CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view text, bool cut) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 3 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
  // A text cut short may end in the first byte of a two-byte character.
  const bool converted = result != static_cast<size_t>(-1) || (cut && errno == EINVAL);
  iconv_close(converter);
  if (!converted) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::string HexByte(unsigned char byte) {
  const char* digits = "0123456789ABCDEF";
  return std::string("\\x") + digits[byte >> 4] + digits[byte & 0xF];
}

// The characters as a message shows them: control characters as \xNN.
std::vector<std::string> Shown(const std::vector<std::string_view>& characters) {
  std::vector<std::string> shown;
  shown.reserve(characters.size());
  for (const std::string_view character : characters) {
    const auto byte = static_cast<unsigned char>(character.front());
    if (character.size() == 1 && (byte < 0x20 || byte == 0x7F)) {
      shown.push_back(HexByte(byte));
    } else {
      shown.emplace_back(character);
    }
  }
  return shown;
}

std::vector<std::string> ShownCharacters(std::string_view bytes, bool cut) {
  if (const auto characters = Utf8Characters(bytes, cut)) return Shown(*characters);
  if (const auto utf8 = Cp932ToUtf8(bytes, cut)) {
    if (const auto characters = Utf8Characters(*utf8, false)) return Shown(*characters);
  }
  std::vector<std::string> shown;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    shown.push_back(byte >= 0x20 && byte < 0x7F ? std::string(1, c) : HexByte(byte));
  }
  return shown;
}

bool IsFullWidthUtf8(std::string_view character) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(character[k]); };
  if (character.size() != 3) return false;
  if (byte(0) == 0xEF && byte(1) == 0xBC) return byte(2) >= 0x8B && byte(2) <= 0x99;  // ＋ to ９
  if (byte(0) == 0xE3 && byte(1) == 0x80) return byte(2) <= 0x81;  // ideographic space, 、
  return byte(0) == 0xE2 && byte(1) == 0x88 && byte(2) == 0x92;     // −
}

bool IsFullWidthCp932(unsigned char lead, unsigned char trail) {
  if (lead == 0x82) return trail >= 0x4F && trail <= 0x58;  // ０ to ９
  return lead == 0x81 && (trail == 0x40 || trail == 0x41 || trail == 0x43 || trail == 0x44 ||
                          trail == 0x7B || trail == 0x7C);  // space 、 ， ． ＋ －
}

}  // namespace

std::string QuoteFileText(std::string_view bytes, bool cut, size_t maxCharacters) {
  // No character takes more than four bytes, so what lies beyond is never shown.
  if (bytes.size() > maxCharacters * 4) {
    bytes = bytes.substr(0, maxCharacters * 4);
    cut = true;
  }
  const std::vector<std::string> shown = ShownCharacters(bytes, cut);
  std::string quoted = "「";
  for (size_t i = 0; i < shown.size() && i < maxCharacters; ++i) quoted += shown[i];
  if (cut || shown.size() > maxCharacters) quoted += "…";
  return quoted + "」";
}

bool HasFullWidthNumberCharacters(std::string_view bytes) {
  if (const auto characters = Utf8Characters(bytes, false)) {
    for (const std::string_view character : *characters) {
      if (IsFullWidthUtf8(character)) return true;
    }
    return false;
  }
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) {
      if (IsFullWidthCp932(lead, static_cast<unsigned char>(bytes[i + 1]))) return true;
      ++i;  // the trail byte of a two-byte character
    }
  }
  return false;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}
