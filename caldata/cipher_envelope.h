#pragma once
// The envelope of a saved calendar file: "cal" followed by the Base64 text of
// the Blowfish-enciphered calendar text. The key is built into the program, so
// the envelope only keeps a calendar from being read or changed by accident;
// it is no protection.

#include <optional>
#include <string>
#include <string_view>

namespace tessolar {

inline constexpr std::string_view kEnvelopeMagic = "cal";

bool HasEnvelopeMagic(std::string_view bytes);

// kEnvelopeMagic and the enciphered text, without line breaks.
std::string SealEnvelope(std::string_view text);

// The text inside an envelope (bytes begin with kEnvelopeMagic); nothing when
// its Base64 or its cipher text is damaged or enciphered under another key.
std::optional<std::string> OpenEnvelope(std::string_view bytes);

}  // namespace tessolar
