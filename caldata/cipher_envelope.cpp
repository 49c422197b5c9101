#include "caldata/cipher_envelope.h"

#include <botan/base64.h>
#include <botan/cipher_mode.h>

#include <array>
#include <cstdint>
#include <exception>
#include <memory>

namespace tessolar {
namespace {

constexpr const char* kCipher = "Blowfish/CBC/PKCS7";

constexpr std::array<uint8_t, 16> kKey = {0x54, 0x65, 0x73, 0x73, 0x6f, 0x6c, 0x61, 0x72,
                                          0x9d, 0x3e, 0x21, 0xc7, 0x58, 0x0a, 0xe4, 0x6b};
constexpr std::array<uint8_t, 8> kIv = {0x31, 0xa9, 0x7c, 0x04, 0xd2, 0x5f, 0x8e, 0x17};

Botan::secure_vector<uint8_t> Run(Botan::Cipher_Dir direction, Botan::secure_vector<uint8_t> data) {
  const std::unique_ptr<Botan::Cipher_Mode> mode =
      Botan::Cipher_Mode::create_or_throw(kCipher, direction);
  mode->set_key(kKey.data(), kKey.size());
  mode->start(kIv.data(), kIv.size());
  mode->finish(data);
  return data;
}

}  // namespace

bool HasEnvelopeMagic(std::string_view bytes) {
  return bytes.substr(0, kEnvelopeMagic.size()) == kEnvelopeMagic;
}

std::string SealEnvelope(std::string_view text) {
  const Botan::secure_vector<uint8_t> sealed =
      Run(Botan::ENCRYPTION, Botan::secure_vector<uint8_t>(text.begin(), text.end()));
  return std::string(kEnvelopeMagic) + Botan::base64_encode(sealed);
}

std::optional<std::string> OpenEnvelope(std::string_view bytes) {
  if (!HasEnvelopeMagic(bytes)) return std::nullopt;
  const std::string_view body = bytes.substr(kEnvelopeMagic.size());
  try {
    const Botan::secure_vector<uint8_t> text =
        Run(Botan::DECRYPTION, Botan::base64_decode(body.data(), body.size()));
    return std::string(text.begin(), text.end());
  } catch (const std::exception&) {
    // Botan reports bad Base64, a cut-off cipher text and bad padding by exceptions.
    return std::nullopt;
  }
}

}  // namespace tessolar
