#pragma once

#include <map>
#include <string>
#include <vector>

namespace vd::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end with `input` on its standard input and the extra environment
// variables set; its two outputs are collected whole.
ProcessResult RunProcess(const std::vector<std::string>& argv, const std::string& input = {},
                         const std::map<std::string, std::string>& env = {});

}  // namespace vd::test
