#include "platform/profile.h"
#include "platform/profile_location.h"
#include "platform/registry.h"

namespace {

RegAccess EnvKey() { return RegAccess(GetFamilyKey() + "\\Env"); }

}  // namespace

Env::Env(const std::string& name) : Profile(name) {}

std::string Env::GetFilePath(const std::string& def) { return EnvKey().GetStr("FilePath", def); }

int Env::WriteFilePath(const std::string& path) { return EnvKey().WriteStr("FilePath", path); }
