#pragma once

// The live preview's browser connection, loaded when it is first asked for. The DevTools client
// needs Qt's network and WebSocket libraries; linked into the program they would cost every start
// time and memory, although most sessions never turn the live preview on. So the client lives in
// a module of its own ("tintora-devtools.so"), opened on the first call. When no module can be
// opened, the browser is simply unreachable: no targets, and every script call fails.

#include "services/DevToolsBrowser.h"

#include <memory>

#include <QString>
#include <QStringList>

namespace tintora {

// The name of the module's one entry point: IDevToolsBrowser* (const char* profileDir). The
// caller owns the object it returns.
inline constexpr char kDevToolsModuleEntry[] = "TintoraMakeDevToolsBrowser";
inline constexpr char kDevToolsModuleName[] = "tintora-devtools.so";

class TLazyDevToolsBrowser : public IDevToolsBrowser {
public:
    // The module is looked for in `moduleFolders`, in order.
    TLazyDevToolsBrowser(QString profileDir, QStringList moduleFolders);
    ~TLazyDevToolsBrowser() override;

    void ListTargets(TTargetsCallback done) override;
    void CallFunction(const TDevToolsTarget& target, const std::string& functionSource,
                      const std::vector<std::string>& args, std::chrono::milliseconds timeout,
                      TResultCallback done) override;
    void SetOuterHtml(const TDevToolsTarget& target, const std::string& selector,
                      const std::string& html, std::chrono::milliseconds timeout,
                      TResultCallback done) override;

    // Opens the module if that has not been tried yet; the client, or none when it cannot be had.
    IDevToolsBrowser* Client();

private:
    void Unreachable(TResultCallback done) const;

    QString profileDir_;
    QStringList moduleFolders_;
    bool tried_ = false;
    std::unique_ptr<IDevToolsBrowser> client_;
};

} // namespace tintora
