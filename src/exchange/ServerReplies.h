#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/DayNumber.h"

namespace vd {

// Readers of the central server's replies. Replies are XML texts in UTF-8.

// The text of an error packet (root `dataPacket` with name="authfailed"): its `message`, or a
// single blank when that is missing or empty; empty when the reply is no error packet. A reply
// that is not well-formed XML throws.
std::string GetErrorFromServer(std::string_view reply);
// The same for replies that may be binary (a station file) or whose XML is checked later: a
// reply that does not parse is simply no error packet.
std::string ErrorPacketText(std::string_view reply);

// A date of a reply: day, month and year separated by points or blanks ("05.03.2012",
// "5 3 2012"), each part at most 65535. No value for anything else, and for a date that does
// not exist ("31.02.2012").
std::optional<DayNumber> ParseReplyDate(std::string_view text);

// The reply to "/save".
struct SaveReply {
    struct Certificate {
        std::string id;
        std::string statusText;
        std::vector<std::string> errors;
    };
    std::int64_t status = 0;
    std::string statusText;
    std::vector<Certificate> certificates;
};
// No value when the reply is not XML or has no readable `status`.
std::optional<SaveReply> ReadSaveReply(std::string_view reply);

// Line breaks of a server message made uniform: CR, LF and CR LF all become CR LF.
std::string UniformLineBreaks(std::string_view text);

// The path of a `cdb` entry as requests are built on it: the part after its first "/" with a
// "/" in front, without one trailing "/" ("/cbd/" gives "/cbd", "/" gives ""); unchanged when
// it holds no "/".
std::string NormalisedServerPath(std::string_view path);

}  // namespace vd
