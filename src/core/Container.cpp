#include "core/Container.h"

#include <openssl/evp.h>

#include <array>
#include <memory>
#include <stdexcept>

namespace vd {
namespace {

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

void Transform(std::string& stream, std::string_view passPhrase, bool encrypt) {
    if (stream.empty()) return;
    std::array<unsigned char, 32> key{};
    for (std::size_t i = 0; i < key.size() && i < passPhrase.size(); ++i) {
        key[i] = static_cast<unsigned char>(passPhrase[i]);
    }
    std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> ctx(EVP_CIPHER_CTX_new());
    if (!ctx) throw std::runtime_error("EVP_CIPHER_CTX_new failed");
    const auto* iv = reinterpret_cast<const unsigned char*>(kCodIvText.data());
    if (EVP_CipherInit_ex(ctx.get(), EVP_aes_256_cfb8(), nullptr, key.data(), iv, encrypt ? 1 : 0) != 1) {
        throw std::runtime_error("AES-256-CFB8 initialisation failed");
    }
    // CFB8 carries its state from byte to byte, so chunks give the same result as one pass.
    constexpr std::size_t kChunk = 8192;
    const std::string input = std::move(stream);
    stream.assign(input.size(), '\0');
    auto* out = reinterpret_cast<unsigned char*>(stream.data());
    const auto* in = reinterpret_cast<const unsigned char*>(input.data());
    for (std::size_t offset = 0; offset < input.size(); offset += kChunk) {
        const int length = static_cast<int>(std::min(kChunk, input.size() - offset));
        int produced = 0;
        if (EVP_CipherUpdate(ctx.get(), out + offset, &produced, in + offset, length) != 1 ||
            produced != length) {
            throw std::runtime_error("AES-256-CFB8 transformation failed");
        }
    }
}

}  // namespace

void EncodeCodStream(std::string& stream, std::string_view passPhrase) { Transform(stream, passPhrase, true); }

void DecodeCodStream(std::string& stream, std::string_view passPhrase) { Transform(stream, passPhrase, false); }

}  // namespace vd
