#pragma once

// Starting other programs through QProcess.

#include "services/ProcessStarter.h"

namespace tintora {

class TQtProcessStarter : public IProcessStarter {
public:
    // The program's own output goes nowhere: a browser's log does not belong in ours.
    bool StartDetached(const std::string& program, const std::vector<std::string>& args) override;
    // Waits without running the event loop; a program still running at the limit is killed.
    std::optional<std::string> RunForOutput(const std::string& program,
                                            const std::vector<std::string>& args,
                                            std::chrono::milliseconds limit) override;
};

} // namespace tintora
