// CKelvaneApp: the library's application object, made when the library is
// loaded. Its initialisation names the registry key and the profile under
// which the framework keeps the library's settings.
#pragma once

#include <string>

namespace gjbz108a {

class CKelvaneApp {
public:
    CKelvaneApp() { InitInstance(); }

    const std::string& registry_key() const { return registry_key_; }
    const std::string& profile_name() const { return profile_name_; }

private:
    void InitInstance();

    std::string registry_key_;
    std::string profile_name_;
};

// The one application object.
const CKelvaneApp& application();

}  // namespace gjbz108a
