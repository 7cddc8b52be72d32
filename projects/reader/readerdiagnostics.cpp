// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "readerdiagnostics.h"

namespace projects {

ReaderDiagnostics::~ReaderDiagnostics() = default;

void ReaderDiagnostics::found(const Finding&) {}

} // namespace projects
