#include "dialogs/application.h"

namespace gjbz108a {
namespace {

const CKelvaneApp the_application;

}  // namespace

void CKelvaneApp::InitInstance() {
    registry_key_ = "Tessaline";
    profile_name_ = "Quillmark";
}

const CKelvaneApp& application() { return the_application; }

}  // namespace gjbz108a
