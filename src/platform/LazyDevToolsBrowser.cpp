#include "platform/LazyDevToolsBrowser.h"

#include <cstdio>

#include <QDir>
#include <QLibrary>
#include <QTimer>

namespace tintora {

namespace {

using TMakeBrowser = IDevToolsBrowser* (*)(const char* profileDir);

} // namespace

TLazyDevToolsBrowser::TLazyDevToolsBrowser(QString profileDir, QStringList moduleFolders)
    : profileDir_(std::move(profileDir)), moduleFolders_(std::move(moduleFolders)) {}

// The module stays loaded to the end: the client's objects and their vtables live in it.
TLazyDevToolsBrowser::~TLazyDevToolsBrowser() = default;

IDevToolsBrowser* TLazyDevToolsBrowser::Client() {
    if (tried_) {
        return client_.get();
    }
    tried_ = true;
    QString failures;
    for (const QString& folder : moduleFolders_) {
        QLibrary module(QDir(folder).filePath(kDevToolsModuleName));
        const auto make = reinterpret_cast<TMakeBrowser>(module.resolve(kDevToolsModuleEntry));
        if (make != nullptr) {
            client_.reset(make(profileDir_.toUtf8().constData()));
            return client_.get();
        }
        failures += "\n  " + module.errorString();
    }
    // Nothing a user can act on in a message box; the live preview reports the browser as
    // unreachable. Say why once, for whoever reads the program's error output.
    std::fprintf(stderr, "tintora: the live preview's browser connection is missing:%s\n",
                 failures.toLocal8Bit().constData());
    return nullptr;
}

void TLazyDevToolsBrowser::ListTargets(TTargetsCallback done) {
    if (IDevToolsBrowser* client = Client()) {
        client->ListTargets(std::move(done));
        return;
    }
    QTimer::singleShot(0, [done = std::move(done)] { done({}); });
}

void TLazyDevToolsBrowser::CallFunction(const TDevToolsTarget& target,
                                        const std::string& functionSource,
                                        const std::vector<std::string>& args,
                                        std::chrono::milliseconds timeout, TResultCallback done) {
    if (IDevToolsBrowser* client = Client()) {
        client->CallFunction(target, functionSource, args, timeout, std::move(done));
        return;
    }
    Unreachable(std::move(done));
}

void TLazyDevToolsBrowser::SetOuterHtml(const TDevToolsTarget& target, const std::string& selector,
                                        const std::string& html, std::chrono::milliseconds timeout,
                                        TResultCallback done) {
    if (IDevToolsBrowser* client = Client()) {
        client->SetOuterHtml(target, selector, html, timeout, std::move(done));
        return;
    }
    Unreachable(std::move(done));
}

void TLazyDevToolsBrowser::Unreachable(TResultCallback done) const {
    QTimer::singleShot(0, [done = std::move(done)] { done(TScriptResult{}); });
}

} // namespace tintora
