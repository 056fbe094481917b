#pragma once

#include <string>
#include <string_view>

namespace vd {

// The ".cod" container: the whole file is the AES-256-CFB8 ciphertext of its content, as long as
// the content, with no header and no integrity check. Exchanged with the central office, so the
// key rule and the vector are part of the format.
inline constexpr std::string_view kDefaultPassPhrase = "7E19F04BD2C85A6031FE4B97C0D2A85E";
inline constexpr std::string_view kCodIvText = "5918273640192837";

// Replace the content of an in-memory stream with its encrypted or decrypted form. The key is
// the first 32 bytes of the pass phrase; a shorter pass phrase is padded with zero bytes, as the
// openssl command pads a short key.
void EncodeCodStream(std::string& stream, std::string_view passPhrase = kDefaultPassPhrase);
void DecodeCodStream(std::string& stream, std::string_view passPhrase = kDefaultPassPhrase);

}  // namespace vd
