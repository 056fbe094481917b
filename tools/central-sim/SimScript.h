#pragma once

#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

namespace vd::sim {

// One request as the simulator received it.
struct SimRequest {
    std::string verb;
    std::string path;
    std::string query;  // as sent, without the "?"
    std::string body;
    std::string clientSubject;  // the client certificate's subject, empty when none was presented
};

// What to answer: a status, a body and how to send it.
struct SimReply {
    enum class Mode {
        Whole,      // with Content-Length
        Chunked,    // without Content-Length
        Truncated,  // Content-Length of the whole body, then the connection is closed halfway
    };
    int status = 200;
    std::string body;
    std::string contentType = "text/xml; charset=utf-8";
    Mode mode = Mode::Whole;
};

// The replies of the central server and the expert web service, generated from defaults and
// overridden by a test's script (see README.md, "central-sim").
class SimScript {
public:
    SimScript(nlohmann::json script, int ownPort);
    SimReply Answer(const SimRequest& request);

private:
    SimReply Hello(const SimRequest& request) const;
    SimReply Icod(const SimRequest& request) const;
    SimReply Version() const;
    SimReply Changes() const;
    SimReply Save();
    SimReply Restore() const;
    SimReply Project(const SimRequest& request) const;
    SimReply File(const nlohmann::json& file) const;
    int PortOf(const nlohmann::json& entry) const;

    nlohmann::json script_;
    int ownPort_;
    std::mutex mutex_;
    std::size_t saveCount_ = 0;
};

// The error packet of the central server.
std::string ErrorPacket(const std::string& message);

}  // namespace vd::sim
