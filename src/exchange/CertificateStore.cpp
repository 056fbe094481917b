#include "exchange/CertificateStore.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>

#include <algorithm>

#include "support/Files.h"
#include "support/Text.h"

namespace vd {
namespace {

struct BioFree {
    void operator()(BIO* bio) const { BIO_free(bio); }
};
using BioHandle = std::unique_ptr<BIO, BioFree>;

struct Pkcs12Free {
    void operator()(PKCS12* bundle) const { PKCS12_free(bundle); }
};

struct X509StackFree {
    void operator()(STACK_OF(X509) * stack) const { sk_X509_pop_free(stack, X509_free); }
};

// No key of the store may ask for a pass phrase: a prompt on the terminal would hang the
// exchange, so an encrypted key simply does not read.
int NoPassPhrase(char*, int, int, void*) { return 0; }

BioHandle MemoryBio(const std::string& bytes) {
    return BioHandle(BIO_new_mem_buf(bytes.data(), static_cast<int>(bytes.size())));
}

bool EndsWith(const std::string& name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    return LowerCase(name.substr(name.size() - suffix.size())) == suffix;
}

std::vector<std::filesystem::path> FilesInNameOrder(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error)) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.filename().string() < b.filename().string(); });
    return files;
}

std::string SubjectText(X509* certificate) {
    std::string text;
    const X509_NAME* name = X509_get_subject_name(certificate);
    const int count = X509_NAME_entry_count(name);
    for (int i = 0; i < count; ++i) {
        const ASN1_STRING* value = X509_NAME_ENTRY_get_data(X509_NAME_get_entry(name, i));
        unsigned char* utf8 = nullptr;
        const int length = ASN1_STRING_to_UTF8(&utf8, value);
        if (length < 0) continue;
        if (!text.empty()) text += ", ";
        text.append(reinterpret_cast<const char*>(utf8), static_cast<std::size_t>(length));
        OPENSSL_free(utf8);
    }
    return text;
}

std::optional<ClientCertificate> ReadPem(const std::filesystem::path& file) {
    const std::string bytes = ReadFileBytes(file);
    auto certificateBio = MemoryBio(bytes);
    X509Handle certificate(PEM_read_bio_X509(certificateBio.get(), nullptr, NoPassPhrase, nullptr));
    auto keyBio = MemoryBio(bytes);
    PrivateKeyHandle key(PEM_read_bio_PrivateKey(keyBio.get(), nullptr, NoPassPhrase, nullptr));
    if (!certificate || !key || X509_check_private_key(certificate.get(), key.get()) != 1) return std::nullopt;
    return ClientCertificate{std::move(certificate), std::move(key), file, {}};
}

std::optional<ClientCertificate> ReadPkcs12(const std::filesystem::path& file) {
    const std::string bytes = ReadFileBytes(file);
    auto bio = MemoryBio(bytes);
    std::unique_ptr<PKCS12, Pkcs12Free> bundle(d2i_PKCS12_bio(bio.get(), nullptr));
    if (!bundle) return std::nullopt;
    // A bundle "without password" may have been made with an empty one or with none at all.
    for (const char* password : {"", static_cast<const char*>(nullptr)}) {
        EVP_PKEY* rawKey = nullptr;
        X509* rawCertificate = nullptr;
        STACK_OF(X509)* rawChain = nullptr;
        if (PKCS12_parse(bundle.get(), password, &rawKey, &rawCertificate, &rawChain) != 1) continue;
        PrivateKeyHandle key(rawKey);
        X509Handle certificate(rawCertificate);
        std::unique_ptr<STACK_OF(X509), X509StackFree> chain(rawChain);
        if (certificate && key) return ClientCertificate{std::move(certificate), std::move(key), file, {}};
    }
    return std::nullopt;
}

}  // namespace

std::filesystem::path StoreFolder(const std::filesystem::path& certStoreDir, int certStore) {
    static constexpr const char* kNames[] = {"my", "ca", "root", "spc"};
    return certStoreDir / kNames[certStore >= 0 && certStore < 4 ? certStore : 0];
}

std::optional<ClientCertificate> FindCertificate(const std::filesystem::path& folder, std::string_view subjectText) {
    const std::string wanted = LowerCase(subjectText);
    for (const auto& file : FilesInNameOrder(folder)) {
        const std::string name = file.filename().string();
        std::optional<ClientCertificate> found;
        try {
            if (EndsWith(name, ".pem")) found = ReadPem(file);
            else if (EndsWith(name, ".p12")) found = ReadPkcs12(file);
        } catch (const std::exception&) {
            found.reset();
        }
        ERR_clear_error();
        if (!found) continue;
        found->subject = SubjectText(found->certificate.get());
        if (LowerCase(found->subject).find(wanted) != std::string::npos) return found;
    }
    return std::nullopt;
}

std::vector<X509Handle> LoadCertificates(const std::filesystem::path& folder) {
    std::vector<X509Handle> certificates;
    for (const auto& file : FilesInNameOrder(folder)) {
        if (!EndsWith(file.filename().string(), ".pem")) continue;
        std::string bytes;
        try {
            bytes = ReadFileBytes(file);
        } catch (const std::exception&) {
            continue;
        }
        auto bio = MemoryBio(bytes);
        while (X509* certificate = PEM_read_bio_X509(bio.get(), nullptr, NoPassPhrase, nullptr)) {
            certificates.emplace_back(certificate);
        }
        ERR_clear_error();
    }
    return certificates;
}

}  // namespace vd
