// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

#ifndef PROJECTS_COMMON_NAMESPACES_H
#define PROJECTS_COMMON_NAMESPACES_H

#include <QLatin1String>

/**
 * @file namespaces.h
 * @brief The XML namespace URIs of the project file.
 */

namespace projects {
namespace ns {

namespace detail {
/// A QLatin1String of a string literal, sized at compile time: QLatin1String(const char*)
/// measures with strlen(), which only some compilers evaluate at compile time.
template <int N> constexpr QLatin1String literal(const char (&text)[N])
{
    return QLatin1String(text, N - 1);
}
} // namespace detail

/// The default namespace of a current project file: the document element and every
/// unprefixed element.
constexpr QLatin1String Project = detail::literal("http://schemas.casarina.org/Casarina/2017/09");
/// The user-profile namespace, written with the prefix "p".
constexpr QLatin1String Profile =
    detail::literal("http://schemas.casarina.org/Casarina/2017/09/profile");
/// The cache namespace, written with the prefix "c".
constexpr QLatin1String Cache =
    detail::literal("http://schemas.casarina.org/Casarina/2017/09/cache");
/// The namespace of the document element of older files; accepted, never written.
constexpr QLatin1String Legacy = detail::literal("http://schemas.casarina.org/Tessaro/2016/12");

/// The namespace of what only this library writes: the attributes of the complete document
/// form that the other namespaces have no way to carry (ProjectWriter::Complete). Declared
/// on the document element, with the prefix "cp"; a document without it reads as before.
constexpr QLatin1String Complete =
    detail::literal("http://schemas.casarina.org/casarina-projects/2026/12");

/// The prefix written for the profile namespace.
constexpr QLatin1String ProfilePrefix = detail::literal("p");
/// The prefix written for the cache namespace.
constexpr QLatin1String CachePrefix = detail::literal("c");
/// The prefix written for the namespace of the complete form.
constexpr QLatin1String CompletePrefix = detail::literal("cp");

} // namespace ns
} // namespace projects

#endif // PROJECTS_COMMON_NAMESPACES_H
