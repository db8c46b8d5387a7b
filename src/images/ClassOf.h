#pragma once

// A class as a value, for the places where the program names a kind of object at run time: the
// picture format registry maps extensions to picture classes, and the plug-in host picks the kind
// of a plug-in by what it reports. A kind knows its base, so "this class or a subclass" is a walk
// up the chain.

#include <memory>
#include <string_view>

namespace tintora {

template <typename Object, typename... Args>
struct TClassOf {
    using Factory = std::unique_ptr<Object> (*)(Args...);

    std::string_view Name;
    const TClassOf* Base = nullptr;
    // Makes a new object of this class; null for a class this platform cannot make.
    Factory Create = nullptr;

    bool InheritsFrom(const TClassOf& ancestor) const {
        for (const TClassOf* c = this; c != nullptr; c = c->Base) {
            if (c == &ancestor) {
                return true;
            }
        }
        return false;
    }
};

} // namespace tintora
