#include "exchange/HttpsConnection.h"

#include <curl/curl.h>
#include <openssl/err.h>
#include <openssl/ssl.h>

#include <algorithm>
#include <optional>

#include "exchange/CertificateStore.h"

namespace vd {
namespace {

constexpr std::size_t kPortion = 32768;
constexpr int kRootStore = 2;

struct MultiCleanup {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

void GlobalInit() {
    static const bool done = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)done;
}

// The slot of an SSL context that leads the handshake's callbacks back to their connection.
int ConnectionSlot() {
    static const int slot = SSL_CTX_get_ex_new_index(0, nullptr, nullptr, nullptr, nullptr);
    return slot;
}

}  // namespace

// One request in flight: the easy handle inside a multi handle of its own, so that the reply
// can be read portion by portion as it arrives.
struct THttpsConnection::Transfer {
    std::unique_ptr<curl_slist, SlistFree> headerList;
    std::unique_ptr<CURLM, MultiCleanup> multi;
    std::unique_ptr<CURL, EasyCleanup> easy;
    bool added = false;
    bool headersDone = false;
    bool done = false;
    CURLcode result = CURLE_OK;
    std::string pending;
    std::size_t consumed = 0;  // bytes of `pending` already handed out
    bool certificateAsked = false;
    std::optional<ClientCertificate> certificate;  // the one presented, while the request lives
    char errorBuffer[CURL_ERROR_SIZE] = {};

    Transfer() = default;
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;
    ~Transfer() {
        if (added) curl_multi_remove_handle(multi.get(), easy.get());
    }

    // Lets libcurl work until `enough` holds or the transfer has ended.
    template <typename Condition>
    void Pump(Condition enough) {
        while (!done && !enough()) {
            int running = 0;
            if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
                done = true;
                result = CURLE_FAILED_INIT;
                break;
            }
            int left = 0;
            while (CURLMsg* message = curl_multi_info_read(multi.get(), &left)) {
                if (message->msg == CURLMSG_DONE) {
                    done = true;
                    result = message->data.result;
                }
            }
            if (done || enough()) break;
            curl_multi_poll(multi.get(), nullptr, 0, 1000, nullptr);
        }
    }

    std::size_t Available() const { return pending.size() - consumed; }
};

// libcurl's and OpenSSL's callbacks, with access to the connection's request.
struct HttpsCallbacks {
    static std::size_t Write(char* data, std::size_t size, std::size_t count, void* user) {
        auto* transfer = static_cast<THttpsConnection::Transfer*>(user);
        transfer->pending.append(data, size * count);
        return size * count;
    }

    static std::size_t Header(char* data, std::size_t size, std::size_t count, void* user) {
        auto* transfer = static_cast<THttpsConnection::Transfer*>(user);
        const std::string_view line(data, size * count);
        if (line.starts_with("HTTP/")) transfer->headersDone = false;
        if (line == "\r\n" || line == "\n") {
            long status = 0;
            curl_easy_getinfo(transfer->easy.get(), CURLINFO_RESPONSE_CODE, &status);
            // An interim "100 Continue" is followed by the real reply's headers.
            if (status == 0 || status >= 200) transfer->headersDone = true;
        }
        return size * count;
    }

    // Before the handshake: trust the store's root certificates besides the system's, and
    // answer a request for a client certificate from the store.
    static CURLcode SetUpContext(CURL*, void* sslContext, void* user) {
        auto* connection = static_cast<THttpsConnection*>(user);
        auto* context = static_cast<SSL_CTX*>(sslContext);
        X509_STORE* trusted = SSL_CTX_get_cert_store(context);
        for (const auto& certificate : LoadCertificates(StoreFolder(connection->certStoreDir_, kRootStore))) {
            X509_STORE_add_cert(trusted, certificate.get());
        }
        ERR_clear_error();
        SSL_CTX_set_ex_data(context, ConnectionSlot(), connection);
        SSL_CTX_set_client_cert_cb(context, ClientCertificate);
        return CURLE_OK;
    }

    static int ClientCertificate(SSL* ssl, X509** certificate, EVP_PKEY** key) {
        auto* connection = static_cast<THttpsConnection*>(SSL_CTX_get_ex_data(SSL_get_SSL_CTX(ssl), ConnectionSlot()));
        if (!connection || !connection->transfer_ || !connection->SelectClientCertificate()) return 0;
        const auto& chosen = *connection->transfer_->certificate;
        // OpenSSL takes over one reference of each.
        X509_up_ref(chosen.certificate.get());
        EVP_PKEY_up_ref(chosen.key.get());
        *certificate = chosen.certificate.get();
        *key = chosen.key.get();
        return 1;
    }
};

THttpsConnection::THttpsConnection(std::filesystem::path certStoreDir) : certStoreDir_(std::move(certStoreDir)) {
    GlobalInit();
}

THttpsConnection::~THttpsConnection() { Disconnect(); }

void THttpsConnection::SetServerName(std::string_view name) {
    if (name.find('/') != std::string_view::npos) throw EkxHttpsException(std::string(text::kServerNameSlash));
    if (name.find(':') != std::string_view::npos) throw EkxHttpsException(std::string(text::kServerNameColon));
    serverName_ = name;
}

std::string THttpsConnection::LastErrorText() const {
    std::string result = SystemErrorText(lastError_);
    if (!lastErrorDetail_.empty()) result += " (" + lastErrorDetail_ + ")";
    return result;
}

std::string THttpsConnection::ErrorCodeText() const {
    return std::string(text::kErrorCodePrefix) + std::to_string(lastError_) + "]" + LastErrorText();
}

void THttpsConnection::RememberFailure(long code) {
    lastError_ = code;
    lastErrorDetail_.clear();
    if (!transfer_) return;
    lastErrorDetail_ = transfer_->errorBuffer;
    if (transfer_->certificateAsked && !transfer_->certificate) {
        if (!lastErrorDetail_.empty()) lastErrorDetail_ += "; ";
        lastErrorDetail_ += std::string(text::kNoClientCertificate) + "\"" + certSubject + "\"";
    }
}

bool THttpsConnection::ConnectToHttpsServer(std::string_view verb) {
    Disconnect();
    lastError_ = CURLE_OK;
    lastErrorDetail_.clear();
    responseStatus_ = 0;
    auto transfer = std::make_unique<Transfer>();
    transfer->multi.reset(curl_multi_init());
    transfer->easy.reset(curl_easy_init());
    if (!transfer->multi || !transfer->easy) {
        lastError_ = CURLE_FAILED_INIT;
        return false;
    }
    CURL* easy = transfer->easy.get();
    const std::string url = "https://" + serverName_ + ":" + std::to_string(port) +
                            (objectName.starts_with('/') ? "" : "/") + objectName;
    for (std::string_view rest = headers; !rest.empty();) {
        const std::size_t end = rest.find("\r\n");
        const std::string line(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        if (!line.empty()) transfer->headerList.reset(curl_slist_append(transfer->headerList.release(), line.c_str()));
    }
    // The body goes at once: no "Expect: 100-continue" round trip.
    transfer->headerList.reset(curl_slist_append(transfer->headerList.release(), "Expect:"));

    bool ok = curl_easy_setopt(easy, CURLOPT_URL, url.c_str()) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.c_str()) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1)) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, transfer->errorBuffer) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpsCallbacks::Write) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get()) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &HttpsCallbacks::Header) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_HEADERDATA, transfer.get()) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_SSL_CTX_FUNCTION, &HttpsCallbacks::SetUpContext) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_SSL_CTX_DATA, this) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_PRIVATE, reinterpret_cast<void*>(context)) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_HTTPHEADER, transfer->headerList.get()) == CURLE_OK;
    if (ok && !userName.empty()) ok = curl_easy_setopt(easy, CURLOPT_USERNAME, userName.c_str()) == CURLE_OK;
    if (ok && !password.empty()) ok = curl_easy_setopt(easy, CURLOPT_PASSWORD, password.c_str()) == CURLE_OK;
    // The body is sent with every verb, GET included, as the central server expects it.
    if (ok && verb == "POST") {
        ok = curl_easy_setopt(easy, CURLOPT_POST, 1L) == CURLE_OK;
    } else if (ok && verb == "GET" && postData_.empty()) {
        ok = curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L) == CURLE_OK;
    } else if (ok) {
        const std::string method(verb);
        ok = curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method.c_str()) == CURLE_OK;
    }
    if (ok && (verb == "POST" || !postData_.empty())) {
        ok = curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postData_.size())) == CURLE_OK &&
             curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, postData_.c_str()) == CURLE_OK;
    }
    if (!ok) {
        lastError_ = CURLE_FAILED_INIT;
        return false;
    }
    transfer_ = std::move(transfer);
    return true;
}

bool THttpsConnection::SendHttpsRequest() {
    if (!transfer_) {
        lastError_ = CURLE_FAILED_INIT;
        return false;
    }
    Transfer& transfer = *transfer_;
    if (!transfer.added) {
        if (curl_multi_add_handle(transfer.multi.get(), transfer.easy.get()) != CURLM_OK) {
            lastError_ = CURLE_FAILED_INIT;
            return false;
        }
        transfer.added = true;
    }
    transfer.Pump([&transfer] { return transfer.headersDone; });
    // Once the reply's headers are in, the request went through; a body that breaks off right
    // after them is the reader's failure.
    if (!transfer.headersDone && transfer.result != CURLE_OK) {
        RememberFailure(transfer.result);
        return false;
    }
    curl_easy_getinfo(transfer.easy.get(), CURLINFO_RESPONSE_CODE, &responseStatus_);
    lastError_ = CURLE_OK;
    lastErrorDetail_.clear();
    return true;
}

bool THttpsConnection::SelectClientCertificate() {
    if (!transfer_) return false;
    transfer_->certificateAsked = true;
    transfer_->certificate = FindCertificate(StoreFolder(certStoreDir_, certStore), certSubject);
    ERR_clear_error();
    return transfer_->certificate.has_value();
}

std::string THttpsConnection::ReadResponseText() {
    if (!transfer_ || !transfer_->added) return {};
    Transfer& transfer = *transfer_;
    transfer.Pump([] { return false; });
    if (transfer.result != CURLE_OK) {
        RememberFailure(transfer.result);
        throw EkxHttpsException(ErrorCodeText());
    }
    std::string text = transfer.pending.substr(transfer.consumed);
    transfer.pending.clear();
    transfer.consumed = 0;
    return text;
}

std::string THttpsConnection::ReadResponseData() {
    if (!transfer_ || !transfer_->added) {
        DoSizeResource(-1);
        return {};
    }
    Transfer& transfer = *transfer_;
    curl_off_t length = -1;
    if (curl_easy_getinfo(transfer.easy.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) length = -1;
    DoSizeResource(length >= 0 ? static_cast<std::int64_t>(length) : -1);
    std::string data;
    if (length > 0) data.reserve(static_cast<std::size_t>(length));
    for (;;) {
        while (transfer.Available() > 0) {
            const std::size_t n = std::min(kPortion, transfer.Available());
            data.append(transfer.pending, transfer.consumed, n);
            transfer.consumed += n;
            DoSizePortion(static_cast<std::int64_t>(n));
        }
        transfer.pending.clear();
        transfer.consumed = 0;
        if (transfer.done) break;
        transfer.Pump([&transfer] { return transfer.Available() > 0; });
    }
    if (transfer.result != CURLE_OK) {
        RememberFailure(transfer.result);
        throw EkxHttpsException(ErrorCodeText());
    }
    return data;
}

void THttpsConnection::Disconnect() { transfer_.reset(); }

void THttpsConnection::DoSizeResource(std::int64_t size) {
    if (onSizeResource) onSizeResource(*this, size);
}

void THttpsConnection::DoSizePortion(std::int64_t count) {
    if (onSizePortion) onSizePortion(*this, count);
}

std::string UrlServerName(std::string_view url) {
    if (const std::size_t scheme = url.find("//"); scheme != std::string_view::npos) url = url.substr(scheme + 2);
    if (const std::size_t colon = url.find(':'); colon != std::string_view::npos) url = url.substr(0, colon);
    if (const std::size_t slash = url.find('/'); slash != std::string_view::npos) url = url.substr(0, slash);
    return std::string(url);
}

namespace {

// What follows the first occurrence of the host name in the URL.
std::string_view AfterServerName(std::string_view url) {
    const std::string host = UrlServerName(url);
    const std::size_t at = url.find(host);
    return at == std::string_view::npos ? std::string_view() : url.substr(at + host.size());
}

}  // namespace

std::string UrlPath(std::string_view url) {
    const std::string_view rest = AfterServerName(url);
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos || slash + 1 >= rest.size()) return {};
    return "/" + std::string(rest.substr(slash + 1));
}

int UrlPort(std::string_view url) {
    const std::string_view rest = AfterServerName(url);
    std::string_view port;
    if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
        const std::string_view afterColon = rest.substr(colon + 1);
        if (const std::size_t slash = afterColon.find('/'); slash != std::string_view::npos) {
            port = afterColon.substr(0, slash);
        }
    }
    const bool digits = !port.empty() && port.size() <= 5 &&
                        std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int value = digits ? std::stoi(std::string(port)) : -1;
    if (value < 0 || value > 65535) throw EkxHttpsException("'" + std::string(port) + "'" + std::string(text::kNotAnInteger));
    return value;
}

std::string HttpsGetText(THttpsConnection& connection, std::string_view agent, std::string_view certSubject, int port,
                         std::string_view objectName, std::string_view serverName) {
    std::string name = objectName.empty() ? std::string("/") : std::string(objectName);
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        folded += name[i];
        if (name[i] == '/' && i + 1 < name.size() && name[i + 1] == '/') ++i;
    }
    connection.agent = agent;
    connection.certSubject = certSubject;
    connection.SetServerName(serverName);
    connection.objectName = folded;
    connection.port = port;
    if (!connection.ConnectToHttpsServer("GET")) {
        throw std::runtime_error(std::string(text::kConnectFailedPrefix) + std::to_string(connection.LastError()) + "]" +
                                 connection.LastErrorText());
    }
    if (!connection.SendHttpsRequest()) {
        throw std::runtime_error(std::string(text::kSendFailedPrefix) + std::to_string(connection.LastError()) + "]" +
                                 connection.LastErrorText());
    }
    return connection.ReadResponseText();
}

std::string SystemErrorText(long code) { return curl_easy_strerror(static_cast<CURLcode>(code)); }

}  // namespace vd
