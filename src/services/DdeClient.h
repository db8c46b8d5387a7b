#pragma once

// A conversation with a browser as the program has always had it: open it on a service and
// topic (starting the browser when none answers), execute one command, close it.

#include <string>

namespace tintora {

class IDdeClient {
public:
    virtual ~IDdeClient() = default;
    // Whether a conversation now exists; serverProgram is started when no server answers.
    virtual bool Open(const std::string& service, const std::string& topic,
                      const std::string& serverProgram) = 0;
    // Whether the server accepted the command.
    virtual bool Execute(const std::string& command) = 0;
    virtual void Close() = 0;
};

} // namespace tintora
