// central-sim: a stand-in for the chamber network's central server and the expert web service.
//
//   central-sim --cert FILE --key FILE --ca FILE [--subject TEXT] [--no-client-auth]
//               [--script FILE.json] [--record FILE.jsonl] [--port N]
//
// Serves HTTPS on 127.0.0.1 and, unless --no-client-auth, accepts only clients whose certificate
// was issued by the CA of --ca and whose subject contains TEXT (default "VD", case ignored).
// Prints the port it listens on as the first line of its standard output (--port 0, the default,
// lets the system choose), then answers until it is stopped. Every request is appended to the
// record file as one JSON object per line: verb, path, query, body (none for a GET: the
// server does not read it, contentLength shows it was sent), contentLength, contentType,
// userAgent, clientSubject.
#include <httplib.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <csignal>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>

#include "SimScript.h"
#include "support/Files.h"
#include "support/Text.h"

namespace {

using vd::sim::SimReply;
using vd::sim::SimRequest;

struct Options {
    std::string cert;
    std::string key;
    std::string ca;
    std::string subject = "VD";
    bool clientAuth = true;
    std::string script;
    std::string record;
    int port = 0;
};

// The subject text every client certificate must contain, in lower case; read by the handshake.
std::string requiredSubject;

std::string SubjectOf(X509* certificate) {
    if (!certificate) return {};
    BIO* bio = BIO_new(BIO_s_mem());
    X509_NAME_print_ex(bio, X509_get_subject_name(certificate), 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    std::string text(data, static_cast<std::size_t>(size));
    BIO_free(bio);
    return text;
}

int VerifyClient(int preverified, X509_STORE_CTX* context) {
    if (!preverified) return 0;
    if (X509_STORE_CTX_get_error_depth(context) != 0) return 1;
    const std::string subject = vd::LowerCase(SubjectOf(X509_STORE_CTX_get_current_cert(context)));
    return subject.find(requiredSubject) != std::string::npos ? 1 : 0;
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw std::runtime_error("missing value after " + word);
            return argv[++i];
        };
        if (word == "--cert") options.cert = value();
        else if (word == "--key") options.key = value();
        else if (word == "--ca") options.ca = value();
        else if (word == "--subject") options.subject = value();
        else if (word == "--no-client-auth") options.clientAuth = false;
        else if (word == "--script") options.script = value();
        else if (word == "--record") options.record = value();
        else if (word == "--port") options.port = std::stoi(value());
        else throw std::runtime_error("unknown option " + word);
    }
    if (options.cert.empty() || options.key.empty() || options.ca.empty()) {
        throw std::runtime_error("--cert, --key and --ca are required");
    }
    return options;
}

void Send(const SimReply& reply, httplib::Response& response) {
    response.status = reply.status;
    switch (reply.mode) {
        case SimReply::Mode::Whole: response.set_content(reply.body, reply.contentType); break;
        case SimReply::Mode::Chunked:
            response.set_chunked_content_provider(reply.contentType, [body = reply.body](std::size_t, httplib::DataSink& sink) {
                for (std::size_t at = 0; at < body.size(); at += 1000) {
                    const std::size_t n = std::min<std::size_t>(1000, body.size() - at);
                    if (!sink.write(body.data() + at, n)) return false;
                }
                sink.done();
                return true;
            });
            break;
        case SimReply::Mode::Truncated:
            // The length of the whole body is announced, half of it sent, then the connection
            // is dropped: a server that breaks off mid-download.
            response.set_content_provider(
                reply.body.size(), reply.contentType,
                [body = reply.body](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    const std::size_t half = body.size() / 2;
                    if (offset >= half) return false;
                    return sink.write(body.data() + offset, half - offset);
                });
            break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    Options options;
    nlohmann::json script = nlohmann::json::object();
    try {
        options = ParseOptions(argc, argv);
        if (!options.script.empty()) script = nlohmann::json::parse(vd::ReadFileBytes(options.script));
    } catch (const std::exception& e) {
        std::cerr << "central-sim: " << e.what() << '\n';
        return 2;
    }
    requiredSubject = vd::LowerCase(options.subject);

    httplib::SSLServer server([&options](SSL_CTX& context) {
        if (SSL_CTX_use_certificate_chain_file(&context, options.cert.c_str()) != 1) return false;
        if (SSL_CTX_use_PrivateKey_file(&context, options.key.c_str(), SSL_FILETYPE_PEM) != 1) return false;
        if (options.clientAuth) {
            if (SSL_CTX_load_verify_locations(&context, options.ca.c_str(), nullptr) != 1) return false;
            SSL_CTX_set_client_CA_list(&context, SSL_load_client_CA_file(options.ca.c_str()));
            SSL_CTX_set_verify(&context, SSL_VERIFY_PEER | SSL_VERIFY_FAIL_IF_NO_PEER_CERT, VerifyClient);
        }
        return true;
    });
    if (!server.is_valid()) {
        std::cerr << "central-sim: cannot use the certificate or key\n";
        return 1;
    }

    int port = options.port;
    if (port == 0) {
        port = server.bind_to_any_port("127.0.0.1");
    } else if (!server.bind_to_port("127.0.0.1", port)) {
        port = -1;
    }
    if (port <= 0) {
        std::cerr << "central-sim: cannot listen on 127.0.0.1\n";
        return 1;
    }

    vd::sim::SimScript replies(script, port);
    std::mutex recordMutex;
    auto handle = [&](const httplib::Request& request, httplib::Response& response) {
        SimRequest received;
        received.verb = request.method;
        received.path = request.path;
        if (const std::size_t mark = request.target.find('?'); mark != std::string::npos) {
            received.query = request.target.substr(mark + 1);
        }
        received.body = request.body;
        if (request.ssl) {
            X509* peer = SSL_get1_peer_certificate(request.ssl);
            received.clientSubject = SubjectOf(peer);
            X509_free(peer);
        }
        if (!options.record.empty()) {
            // The server reads no body of a GET; its announced length shows that one was sent.
            const nlohmann::json line = {{"verb", received.verb},
                                         {"path", received.path},
                                         {"query", received.query},
                                         {"body", received.body},
                                         {"contentLength", request.get_header_value("Content-Length")},
                                         {"contentType", request.get_header_value("Content-Type")},
                                         {"userAgent", request.get_header_value("User-Agent")},
                                         {"clientSubject", received.clientSubject}};
            std::lock_guard lock(recordMutex);
            std::ofstream out(options.record, std::ios::app | std::ios::binary);
            out << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        }
        Send(replies.Answer(received), response);
    };
    server.Get(".*", handle);
    server.Post(".*", handle);

    std::cout << port << std::endl;
    return server.listen_after_bind() ? 0 : 1;
}
