// The entry point of the module that holds the DevTools client (see LazyDevToolsBrowser.h).

#include "platform/DevToolsClient.h"

extern "C" __attribute__((visibility("default"))) tintora::IDevToolsBrowser*
TintoraMakeDevToolsBrowser(const char* profileDir) {
    return new tintora::TDevToolsClient(QString::fromUtf8(profileDir));
}
