#include "readerdiagnostics.h"

namespace projects {

ReaderDiagnostics::~ReaderDiagnostics() = default;

} // namespace projects
