#pragma once

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

struct X509Free {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
struct EvpPkeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using X509Handle = std::unique_ptr<X509, X509Free>;
using PrivateKeyHandle = std::unique_ptr<EVP_PKEY, EvpPkeyFree>;

// The certificate store is a folder per store name below the store directory: my/ (the user's
// own certificates with their keys), ca/, root/ (trusted issuers), spc/. The store numbers are
// those the transport's callers pass: 0 my, 1 ca, 2 root, 3 spc.
std::filesystem::path StoreFolder(const std::filesystem::path& certStoreDir, int certStore);

struct ClientCertificate {
    X509Handle certificate;
    PrivateKeyHandle key;
    std::filesystem::path file;
    std::string subject;  // the values of the subject's name parts, joined by ", "
};

// The first usable certificate of the folder, in file-name order, whose subject contains
// `subjectText` without regard to case: a *.pem with a certificate and its unencrypted private
// key, or a *.p12 bundle without a password. Files that do not read are passed over.
std::optional<ClientCertificate> FindCertificate(const std::filesystem::path& folder, std::string_view subjectText);

// Every certificate in the *.pem files of the folder.
std::vector<X509Handle> LoadCertificates(const std::filesystem::path& folder);

}  // namespace vd
