// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "projectenum.h"

namespace projects {

ProjectEnum::ProjectEnum() : QObject(nullptr) {}

ProjectEnum::~ProjectEnum() = default;

} // namespace projects
