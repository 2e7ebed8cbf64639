// A shared library loaded by file name, and its functions found by name. The
// system's own search finds the file: on Linux first the run path of the
// module that loads it (the plug-in is linked with $ORIGIN, so its own
// folder), on Windows the folder of the process's program first.
#pragma once

#include <string>

namespace gjbz108a::platform {

class Library {
public:
    explicit Library(const std::string& file);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool loaded() const { return handle_ != nullptr; }

    // The function named `name` with the type `Function`, or nullptr.
    template <typename Function>
    Function* find(const char* name) const {
        return reinterpret_cast<Function*>(find_address(name));
    }

private:
    using Address = void (*)();
    Address find_address(const char* name) const;

    void* handle_ = nullptr;
};

}  // namespace gjbz108a::platform
