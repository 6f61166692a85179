// Text inside the program is UTF-8; files are bytes in the game's encoding.
#pragma once

#include <string>
#include <string_view>

namespace rdo {

enum class Encoding { Utf8, Windows1252 };

/// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or
/// code points past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

/// Every byte maps to one code point, so decoding then encoding gives the
/// same bytes back.
std::string windows1252ToUtf8(std::string_view bytes);

/// Characters that Windows-1252 cannot hold become '?'.
std::string utf8ToWindows1252(std::string_view utf8);

/// Decodes a file's bytes: UTF-8 when valid (a leading byte order mark is
/// dropped), Windows-1252 otherwise.
std::string decodeFile(std::string_view bytes, Encoding& detected);

/// Encodes UTF-8 text back into a file's encoding.
std::string encodeFile(std::string_view utf8, Encoding encoding);

}  // namespace rdo
