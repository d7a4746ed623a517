#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of an initialisation ("profile") file, read and changed the way the Windows
// profile functions do it: "[section]" lines open sections, "key=value" lines hold
// values; section and key names match without regard to case and around white space;
// the first matching section and key win; lines starting with ";" are comments.
// Texts are UTF-8 here; the file's own encoding is dealt with by the caller.

// The value of the key with surrounding white space removed, or nothing when the
// section or the key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the key set to the value: an existing key's line is replaced where it
// stands, a missing key is added after the last line of its section, a missing section is
// added at the end of the text. Every other line stays byte for byte. New lines end with
// "\r\n"; line breaks inside the value become spaces so that a value stays on its line.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);
