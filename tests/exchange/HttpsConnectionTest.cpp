#include <gtest/gtest.h>

#include <random>

#include "SimServer.h"
#include "TempDir.h"
#include "exchange/HttpsConnection.h"
#include "support/Base64.h"

namespace vd {
namespace {

using nlohmann::json;

struct UrlCase {
    std::string url;
    std::string server;
    std::string path;
    int port;
};

void PrintTo(const UrlCase& c, std::ostream* out) { *out << c.url; }

class UrlParts : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UrlParts, SplitIntoServerPathAndPort) {
    const auto& c = GetParam();
    EXPECT_EQ(UrlServerName(c.url), c.server);
    EXPECT_EQ(UrlPath(c.url), c.path);
    EXPECT_EQ(UrlPort(c.url), c.port);
}

INSTANTIATE_TEST_SUITE_P(Cases, UrlParts, ::testing::Values(
    UrlCase{"https://cbd.example:8443/a/b/", "cbd.example", "/a/b/", 8443},
    UrlCase{"https://127.0.0.1:8443/base", "127.0.0.1", "/base", 8443},
    UrlCase{"https://cbd.example:443/", "cbd.example", "", 443},
    UrlCase{"cbd.example:8443/", "cbd.example", "", 8443}));

TEST(UrlParts, APortMustBeWrittenAndFollowedBySlash) {
    for (const char* url : {"https://cbd.example:8443", "https://cbd.example/base", "https://cbd.example",
                            "https://cbd.example:http/", "https://cbd.example:70000/"}) {
        EXPECT_THROW(UrlPort(url), EkxHttpsException) << url;
    }
}

TEST(ServerName, OnlyAHostNameIsTaken) {
    THttpsConnection connection("/nonexistent");
    const std::pair<const char*, std::string_view> refused[] = {
        {"host:443", text::kServerNameColon},
        {"host/path", text::kServerNameSlash},
        {"https://host", text::kServerNameSlash},  // the slash is looked for first
    };
    for (const auto& [name, message] : refused) {
        try {
            connection.SetServerName(name);
            ADD_FAILURE() << name;
        } catch (const EkxHttpsException& e) {
            EXPECT_EQ(e.what(), message) << name;
        }
    }
    connection.SetServerName("cbd.example");
    EXPECT_EQ(connection.ServerName(), "cbd.example");
}

std::string RandomBytes(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (auto& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A certificate store of the test's own and a connection over it.
class Transport : public ::testing::Test {
protected:
    void Trust() { test::InstallCertificate(store.Path(), "root", "ca.pem"); }
    void Own(const std::string& certificate, const std::string& asName = {}) {
        test::InstallCertificate(store.Path(), "my", certificate, asName);
    }
    void PointAt(const test::SimServer& server) {
        connection.SetServerName("127.0.0.1");
        connection.port = server.Port();
        connection.certSubject = "VD";
    }
    bool Get(const std::string& objectName) {
        connection.objectName = objectName;
        return connection.ConnectToHttpsServer("GET") && connection.SendHttpsRequest();
    }

    test::TempDir store;
    THttpsConnection connection{store.Path()};
};

TEST_F(Transport, AGetFoldsDoubleSlashesAndPresentsTheCertificateWithVdInItsSubject) {
    Trust();
    Own("client-other.pem", "a-other.pem");  // first in name order, but not "VD"
    Own("client-vd.pem", "b-vd.pem");
    test::SimServer sim;
    connection.SetPostData("tppn=7&plcn=1");
    const std::string reply = HttpsGetText(connection, text::kAgentOfVd, "VD", sim.Port(), "/base//sync/hello?tppn=7",
                                           "127.0.0.1");
    EXPECT_NE(reply.find("<exchangeProtocol version=\"2\""), std::string::npos) << reply;
    HttpsGetText(connection, text::kAgentOfVd, "VD", sim.Port(), "", "127.0.0.1");

    const auto requests = sim.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0]["verb"], "GET");
    EXPECT_EQ(requests[0]["path"], "/base/sync/hello");
    EXPECT_EQ(requests[0]["query"], "tppn=7");
    EXPECT_EQ(requests[0]["userAgent"], "Certificate Of VD");
    EXPECT_EQ(requests[0]["contentType"], "application/x-www-form-urlencoded");
    EXPECT_EQ(requests[0]["contentLength"], "13");  // the body goes with a GET too
    EXPECT_EQ(requests[0]["clientSubject"], "CN=Workstation VD 007-01,O=Vardelo Test");
    EXPECT_EQ(requests[1]["path"], "/");
}

TEST_F(Transport, ABundleWithoutPasswordServesAsWellAndCaseIsIgnored) {
    Trust();
    Own("client-vd.p12");
    test::SimServer sim;
    PointAt(sim);
    connection.certSubject = "workstation vd";
    ASSERT_TRUE(Get("/x")) << connection.ErrorCodeText();
    EXPECT_EQ(sim.Requests().at(0)["clientSubject"], "CN=Workstation VD 007-01,O=Vardelo Test");
}

TEST_F(Transport, WithoutAMatchingCertificateTheSendFails) {
    Trust();
    Own("client-other.pem");
    test::SimServer sim;
    PointAt(sim);
    connection.objectName = "/x";
    ASSERT_TRUE(connection.ConnectToHttpsServer("GET"));
    EXPECT_FALSE(connection.SendHttpsRequest());
    EXPECT_NE(connection.LastError(), 0);
    EXPECT_TRUE(connection.ErrorCodeText().starts_with("[ErrorCode " + std::to_string(connection.LastError()) + "]"));
    EXPECT_NE(connection.ErrorCodeText().find(std::string(text::kNoClientCertificate) + "\"VD\""), std::string::npos)
        << connection.ErrorCodeText();
    try {
        HttpsGetText(connection, text::kAgentOfVd, "VD", sim.Port(), "/x", "127.0.0.1");
        ADD_FAILURE() << "no certificate, no reply";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("SendHttpsRequest: [ErrorCode ")) << e.what();
    }
    EXPECT_TRUE(sim.Requests().empty());
}

TEST_F(Transport, AServerOutsideTheTrustedIssuersIsRefused) {
    Own("client-vd.pem");
    test::SimServer sim;
    PointAt(sim);
    EXPECT_FALSE(Get("/x"));
    EXPECT_EQ(connection.LastError(), 60);  // the peer's certificate does not verify
    EXPECT_TRUE(sim.Requests().empty());
}

TEST_F(Transport, ACertificateIsPresentedOnlyWhenTheServerAsksForOne) {
    Trust();
    Own("client-vd.pem");
    test::SimServer sim(json::object(), {"--no-client-auth"});
    PointAt(sim);
    ASSERT_TRUE(Get("/x")) << connection.ErrorCodeText();
    EXPECT_EQ(sim.Requests().at(0)["clientSubject"], "");
}

TEST_F(Transport, NobodyListeningIsASendFailure) {
    Trust();
    connection.SetServerName("127.0.0.1");
    connection.port = test::ClosedPort();
    EXPECT_FALSE(Get("/x"));
    EXPECT_EQ(connection.LastError(), 7);
    EXPECT_EQ(connection.ErrorCodeText().rfind("[ErrorCode 7]", 0), 0u) << connection.ErrorCodeText();
}

TEST_F(Transport, APostCarriesItsBodyUnchanged) {
    Trust();
    Own("client-vd.pem");
    test::SimServer sim;
    PointAt(sim);
    const std::string body = "tppn=7&certBody=%3Crow+a%3D%22%D0%96%22%2F%3E";
    connection.SetPostData(body);
    connection.objectName = "/cbd/save";
    ASSERT_TRUE(connection.ConnectToHttpsServer("POST"));
    ASSERT_TRUE(connection.SendHttpsRequest()) << connection.ErrorCodeText();
    EXPECT_NE(connection.ReadResponseText().find("<status>0</status>"), std::string::npos);
    EXPECT_EQ(connection.ResponseStatus(), 200);
    const auto request = sim.Requests().at(0);
    EXPECT_EQ(request["verb"], "POST");
    EXPECT_EQ(request["body"], body);
}

TEST_F(Transport, RawRepliesAnnounceTheirSizeAndArriveInPortions) {
    Trust();
    Own("client-vd.pem");
    const std::string bytes = RandomBytes(200000);
    test::SimServer sim(json{{"files",
                          {{"/f/whole", {{"base64", Base64Encode(bytes)}}},
                           {"/f/chunked", {{"base64", Base64Encode(bytes)}, {"mode", "chunked"}}},
                           {"/f/cut", {{"base64", Base64Encode(bytes)}, {"mode", "truncated"}}},
                           {"/f/missing", {{"raw", "gone"}, {"status", 404}}}}}});
    PointAt(sim);
    std::vector<std::int64_t> sizes;
    std::int64_t received = 0;
    bool portionsFit = true;
    connection.onSizeResource = [&](THttpsConnection&, std::int64_t size) { sizes.push_back(size); };
    connection.onSizePortion = [&](THttpsConnection&, std::int64_t n) {
        received += n;
        portionsFit = portionsFit && n > 0 && n <= 32768;
    };

    ASSERT_TRUE(Get("/f/whole"));
    EXPECT_EQ(connection.ReadResponseData(), bytes);
    EXPECT_EQ(received, 200000);
    ASSERT_TRUE(Get("/f/chunked"));
    EXPECT_EQ(connection.ReadResponseData(), bytes);
    EXPECT_EQ(received, 400000);
    EXPECT_TRUE(portionsFit);
    EXPECT_EQ(sizes, (std::vector<std::int64_t>{200000, -1}));

    ASSERT_TRUE(Get("/f/cut"));
    try {
        connection.ReadResponseData();
        ADD_FAILURE() << "a cut download must not pass for a whole one";
    } catch (const EkxHttpsException& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("[ErrorCode 18]")) << e.what();
    }

    ASSERT_TRUE(Get("/f/missing"));
    EXPECT_EQ(connection.ResponseStatus(), 404);
    EXPECT_EQ(connection.ReadResponseText(), "gone");
}

}  // namespace
}  // namespace vd
