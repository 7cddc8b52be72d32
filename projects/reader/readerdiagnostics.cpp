#include "readerdiagnostics.h"

namespace projects {

ReaderDiagnostics::~ReaderDiagnostics() = default;

void ReaderDiagnostics::found(const Finding&) {}

} // namespace projects
