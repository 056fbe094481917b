#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "exchange/Messages.h"

namespace vd {

// A failure of the transport that is raised rather than returned.
class EkxHttpsException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One HTTPS request at a time to one server, over libcurl with OpenSSL. Every request verifies
// the server's certificate against the system's trusted issuers and those of the store's
// root/ folder, and presents a client certificate only when the server asks for one: the first
// of the store's my/ folder whose subject contains `certSubject`. Each ConnectToHttpsServer
// starts afresh; only the settings below carry over from one request to the next.
class THttpsConnection {
public:
    using SizeEvent = std::function<void(THttpsConnection& sender, std::int64_t value)>;

    explicit THttpsConnection(std::filesystem::path certStoreDir);
    virtual ~THttpsConnection();
    THttpsConnection(const THttpsConnection&) = delete;
    THttpsConnection& operator=(const THttpsConnection&) = delete;

    std::string agent{text::kAgentDefault};
    int certStore = 0;  // store folder searched for the client certificate: 0 my, 1 ca, 2 root, 3 spc
    std::string objectName;  // path and query, beginning with "/"
    int port = 443;
    // Handed to libcurl as the transfer's private value; nothing in the program reads it back.
    std::intptr_t context = 0;
    // Reload, no cache, TLS, keep-alive: libcurl never caches and the scheme is always https,
    // so the flags hold by construction and are kept for callers that set them.
    std::uint32_t flags = 0x84C00000;
    std::string certSubject;
    std::string userName;  // server authentication, sent only when not empty
    std::string password;
    std::string headers{text::kFormHeader};  // extra header lines, CR LF between them
    SizeEvent onSizeResource;  // the announced size of a raw download, -1 when unknown
    SizeEvent onSizePortion;   // each portion of a raw download as it arrives

    const std::string& ServerName() const { return serverName_; }
    // A host name only: one with "/" or ":" raises EkxHttpsException.
    void SetServerName(std::string_view name);
    // The request body, sent with every later request whatever its verb.
    void SetPostData(std::string bytes) { postData_ = std::move(bytes); }
    const std::string& PostData() const { return postData_; }

    // libcurl's code of the last call (0 after success).
    long LastError() const { return lastError_; }
    // The system's text for LastError with libcurl's detail of the failure.
    std::string LastErrorText() const;
    // "[ErrorCode n]" and LastErrorText: the form every failure message of the exchange uses.
    std::string ErrorCodeText() const;
    // The HTTP status of the reply being read; 0 before one arrived.
    long ResponseStatus() const { return responseStatus_; }

    // Prepares a request with the verb; true when it is ready to be sent.
    bool ConnectToHttpsServer(std::string_view verb);
    // Sends the prepared request and waits for the reply's headers; false (see LastError) when
    // the server cannot be reached, its certificate is not trusted or the handshake fails.
    bool SendHttpsRequest();
    // Called from the handshake when the server asks for a client certificate.
    bool SelectClientCertificate();
    // The whole reply body as UTF-8 text; EkxHttpsException when the transfer breaks off.
    std::string ReadResponseText();
    // The whole reply body as bytes, announcing its size and every portion as it arrives;
    // EkxHttpsException when the transfer breaks off, so a cut download is never taken whole.
    std::string ReadResponseData();
    void Disconnect();

protected:
    virtual void DoSizeResource(std::int64_t size);
    virtual void DoSizePortion(std::int64_t count);

private:
    struct Transfer;
    friend struct HttpsCallbacks;

    // Keeps the code and libcurl's words for it, and notes a certificate the server asked for
    // and the store did not have.
    void RememberFailure(long code);

    std::filesystem::path certStoreDir_;
    std::string serverName_;
    std::string postData_;
    long lastError_ = 0;
    std::string lastErrorDetail_;
    long responseStatus_ = 0;
    std::unique_ptr<Transfer> transfer_;
};

// The host of a URL: without the scheme, the port and the path.
std::string UrlServerName(std::string_view url);
// The path that follows host and port, with its leading "/"; empty when there is none.
std::string UrlPath(std::string_view url);
// The port written after the host and followed by "/"; EkxHttpsException when there is none.
int UrlPort(std::string_view url);

// A complete GET: sets agent, certificate subject, server, object name (empty becomes "/", every
// "//" becomes "/") and port, sends and returns the reply text. Raises std::runtime_error with
// "ConnectToHttpsServer: [ErrorCode n]…" or "SendHttpsRequest: [ErrorCode n]…" when the
// request fails.
std::string HttpsGetText(THttpsConnection& connection, std::string_view agent, std::string_view certSubject, int port,
                         std::string_view objectName, std::string_view serverName);

// The system's text for a transport error code.
std::string SystemErrorText(long code);

}  // namespace vd
